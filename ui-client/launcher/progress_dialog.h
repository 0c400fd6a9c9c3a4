#pragma once

#include <QProgressDialog>

class QCloseEvent;

// The launcher's only window. The owner removes the cancel button and turns
// automatic reset off; the window cannot be closed by the user, since the
// flow it follows must run to its end (the owner hides it when done).
class ProcessingProgressDialog : public QProgressDialog
{
    Q_OBJECT

public:
    ProcessingProgressDialog();
    ~ProcessingProgressDialog() override;

public Q_SLOTS:
    // Esc and the dialog's own reject paths end up here.
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;
};
