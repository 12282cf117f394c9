// The frequency plan of the main window: View > Frequency plan, the marks
// on the channels it does not allow, and the one question before a write.

#include "ui/TForm1.h"

#include "ui/TXStringGrid.h"
#include "ui/UserDialogs.h"

#include <QActionGroup>
#include <QMenu>
#include <QStatusBar>

namespace lumora {

namespace {
QString planFilter() { return TForm1::tr("Frequency plan (*.csv *.json)"); }
}

void TForm1::buildPlanMenu()
{
    PlanMenu = ViewMenu->addMenu(tr("&Frequency plan"));
    planGroup_ = new QActionGroup(this);
    auto entry = [this](const QString &text, const FrequencyPlan &plan) {
        QAction *a = PlanMenu->addAction(text);
        a->setCheckable(true);
        a->setData(plan.id);
        planGroup_->addAction(a);
        connect(a, &QAction::triggered, this, [this, plan] {
            SetFrequencyPlan(plan);
            emit FrequencyPlanChosen(plan.id);
        });
        return a;
    };
    entry(tr("&None"), FrequencyPlan())->setChecked(true);
    for (const FrequencyPlan &plan : BuiltInFrequencyPlans())
        entry(plan.name, plan);
    PlanMenu->addSeparator();
    planFileEntry_ = PlanMenu->addAction(QString());
    planFileEntry_->setCheckable(true);
    planFileEntry_->setVisible(false);
    planGroup_->addAction(planFileEntry_);
    connect(planFileEntry_, &QAction::triggered, this, [this] { showPlan(); }); // already the plan
    PlanFile1 = PlanMenu->addAction(tr("&Plan file..."), this, &TForm1::ChoosePlanFileClick);
}

void TForm1::ChoosePlanFileClick()
{
    const QString name = UserDialogs().AskOpenFileName(this, planFilter(), QStringLiteral("csv"));
    if (name.isEmpty()) {
        showPlan(); // the entry checked stays the plan's
        return;
    }
    SetFrequencyPlan(ReadFrequencyPlanFile(name)); // a faulty file names its line and changes nothing
    emit FrequencyPlanChosen(plan_.id);
}

void TForm1::SetFrequencyPlan(const FrequencyPlan &plan)
{
    plan_ = plan;
    showPlan();
}

void TForm1::showPlan()
{
    const bool builtIn = plan_.IsNone() || FindBuiltInPlan(plan_.id);
    planFileEntry_->setVisible(!builtIn);
    planFileEntry_->setText(builtIn ? QString() : plan_.name);
    for (QAction *a : planGroup_->actions())
        if (a != planFileEntry_ && a->data().toString() == plan_.id)
            a->setChecked(true);
    if (!builtIn)
        planFileEntry_->setChecked(true);
    xg->viewport()->update();
    if (plan_.IsNone()) {
        StatusBar1->showMessage(tr("No frequency plan: no channel is marked"), 15000);
        return;
    }
    const int marked = static_cast<int>(ChannelsOutsidePlan().size());
    StatusBar1->showMessage(tr("Frequency plan \"%1\": %2")
                                    .arg(plan_.name,
                                         marked == 0 ? tr("every channel fits it")
                                                     : marked == 1 ? tr("1 channel marked (their tooltips say why)")
                                                     : tr("%1 channels marked (their tooltips say why)").arg(marked)),
                            15000);
}

QStringList TForm1::ChannelsOutsidePlan() const { return lumora::ChannelsOutsidePlan(plan_, *xg); }

void TForm1::WriteClick()
{
    MoveFocusOn(); // an edit in progress counts
    if (!MainWriteUnderWay() && !MainReadUnderWay()) {
        const QStringList marked = ChannelsOutsidePlan();
        if (!marked.isEmpty()
            && !UserDialogs().AskYesNo(tr("%1:\n%2\n\nWrite to the radio all the same?")
                                               .arg(ChannelsNotFittingText(marked.size(), plan_),
                                                    marked.join(QLatin1Char('\n')))))
            return;
    }
    wbtnClick();
}

} // namespace lumora
