#include "progress_dialog.h"

#include "cloud-service.h"
#include "str_table.h"

#include <QCloseEvent>
#include <QFont>
#include <QIcon>

ProcessingProgressDialog::ProcessingProgressDialog() : QProgressDialog(nullptr, Qt::WindowFlags())
{
    const QFont font(QStringLiteral("Arial"), -1, -1, false);
    const QString iconPath =
        QString::fromUtf8(Service::GetRootHalvenorResourceInstallPath().c_str_utf8()) +
        QStringLiteral("/images/ico_72_halvenor.png");

    setWindowTitle(StrTable::LoadStr(35));
    setWindowIcon(QIcon(iconPath));
    setWindowFlags(Qt::WindowTitleHint | Qt::WindowSystemMenuHint);
    setValue(0);
    setRange(0, 100);
    setLabelText(StrTable::LoadStr(109));
    setFont(font);
    setFixedWidth(400);
    setModal(true);
    setWindowModality(Qt::WindowModal);
    setStyleSheet(QStringLiteral(
        " QProgressDialog { background-color: WhiteSmoke; \n  vertical-align: middle } "));
}

ProcessingProgressDialog::~ProcessingProgressDialog() = default;

void ProcessingProgressDialog::reject() {}

void ProcessingProgressDialog::closeEvent(QCloseEvent* event)
{
    event->ignore();
}
