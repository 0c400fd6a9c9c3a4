#pragma once

#include <QObject>
#include <QString>

// Lets code deep in the upgrade service report progress and dialog texts
// without knowing the dialog: two plain calls become two Qt signals, which
// reach receivers on other threads queued.
class Notify_Adapter : public QObject
{
    Q_OBJECT

public:
    static Notify_Adapter* GetInstance();

    void UpdateProgress(int total, int current);
    void UpdateDialogText(QString text);

Q_SIGNALS:
    void sigUpdateProgress(int total, int current);
    void sigUpdateDialogText(QString text);

private:
    Notify_Adapter() = default;
};
