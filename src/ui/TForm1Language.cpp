// View > Language: the language of the windows, remembered for the next start.

#include "ui/TForm1.h"

#include "ui/Languages.h"

#include <QActionGroup>
#include <QMenu>
#include <QStatusBar>

namespace lumora {

void TForm1::buildLanguageMenu()
{
    LanguageMenu = ViewMenu->addMenu(tr("&Language"));
    auto *group = new QActionGroup(LanguageMenu);
    const QString chosen = ChosenLanguage();
    auto entry = [&](const QString &text, const QString &code) {
        QAction *a = LanguageMenu->addAction(text);
        a->setCheckable(true);
        a->setChecked(code == chosen);
        a->setData(code);
        group->addAction(a);
        connect(a, &QAction::triggered, this, [this, code] {
            if (code == ChosenLanguage())
                return;
            SetChosenLanguage(code);
            // Every text of the windows is set as they are built: a new
            // language shows from the next start.
            StatusBar1->showMessage(tr("The language changes when LUMORA starts again"), 15000);
        });
    };
    entry(tr("&System"), QString());
    for (const ToolLanguage &language : ToolLanguages())
        entry(language.name, language.code);
}

} // namespace lumora
