#include "ui/LicencesDialog.h"

#include "ui/Notices.h"
#include "ui/ScreenFit.h"
#include "ui/ToolTexts.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace lumora {

namespace {
struct LicencesDialog {
    Q_DECLARE_TR_FUNCTIONS(LicencesDialog)
};
} // namespace

void ShowLicences(QWidget *parent)
{
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("LicencesDialog"));
    dialog.setWindowTitle(ToolTitle() + LicencesDialog::tr(": licences"));
    auto *text = new QPlainTextEdit(&dialog);
    text->setObjectName(QStringLiteral("LicencesText"));
    text->setReadOnly(true);
    text->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont)); // the texts are laid out in columns
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    text->setPlainText(ThirdPartyNotices());
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(text);
    layout->addWidget(buttons);
    const int columns = text->fontMetrics().horizontalAdvance(QString(80, QLatin1Char('M')));
    dialog.resize(columns + 60, text->fontMetrics().lineSpacing() * 36);
    FitToScreenOnShow(&dialog); // no larger than a netbook's screen
    text->setFocus();
    dialog.exec();
}

} // namespace lumora
