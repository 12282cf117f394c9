// lumora-cli write: a channel or settings file into the radio, and with --verify read back.

#include "app/cli/CliArgs.h"
#include "app/cli/CliCommand.h"
#include "app/ToolWindows.h"
#include "memory/Errors.h"
#include "memory/FrequencyPlan.h"
#include "memory/MemoryComparison.h"
#include "ui/TForm1.h"

namespace lumora {

namespace {

class WriteCommand : public AreaFileCommand {
public:
    WriteCommand()
        : AreaFileCommand("write",
                     {"  lumora-cli write [AREA] --port DEV FILE.wh [--timeout SECONDS]",
                      "  lumora-cli write {areas} --port DEV FILE.json [--timeout SECONDS]",
                      "  lumora-cli write [AREA] --port DEV FILE --verify",
                      "  lumora-cli write --port DEV FILE.wh --plan PLAN [--plan-strict]"},
                     QT_TRANSLATE_NOOP("CliHelp", R"(  write               open a channel or settings file and write it to the
                      radio
  --verify            after a write, read the area back and list every
                      field whose bytes differ from what was written, with
                      the stored values where the texts look the same
                      (status 1)
  --plan PLAN         write: check the channels against a frequency plan
                      (iaru-r1, iaru-r2, iaru-r3, us-amateur, pmr446,
                      frs-gmrs, marine, or a plan file, .csv or .json);
                      every channel that does not fit it is listed on
                      standard error and the write goes on
  --plan-strict       write: a channel that does not fit the plan stops
                      the write before anything is sent (status 2)
)"),
                     {"verify", "plan", "plan-strict"})
    {
    }
    QString Take(const CliArgs &args, const QStringList &words, CliRunner::Request &request) const override
    {
        request.plan = args.Value(QStringLiteral("plan"));
        request.planStrict = args.IsSet(QStringLiteral("plan-strict"));
        if (request.planStrict && request.plan.isEmpty())
            return Cli::tr("--plan-strict needs --plan PLAN");
        if (!request.plan.isEmpty() && request.area != area::Main)
            return Cli::tr("--plan goes with a channel file: the %1 area has no frequencies").arg(request.area);
        return OneFile(words, request);
    }
    int RunOn(CliRunner &runner, ToolWindows &windows, const CliRunner::Request &request) const override
    {
        TForm1 &form = *windows.Form1;
        if (TSignallingForm *window = windows.Area(request.area)) {
            runner.LoadSettings(*window, request);
            const TSignallingForm::WrittenArea written =
                    request.verify ? window->WhatAWriteAssigns() : TSignallingForm::WrittenArea{};
            if (!runner.RunArea(form, *window, false, request))
                return CliRunner::kFailed;
            if (!request.verify)
                return runner.Failed() ? CliRunner::kFailed : 0;
            if (!runner.RunArea(form, *window, true, request))
                return CliRunner::kFailed;
            return runner.Report(request, window->DifferencesFromRead(written));
        }
        form.OpenChannelFile(request.file);
        if (!request.plan.isEmpty() && !fitsPlan(form, request))
            return 2;
        if (!runner.RunMain(form, false, request))
            return CliRunner::kFailed;
        if (!request.verify)
            return runner.Failed() ? CliRunner::kFailed : 0;
        if (!runner.RunMain(form, true, request))
            return CliRunner::kFailed;
        // Every byte the write sent, against every byte read back.
        return runner.Report(request, CompareMainMemoryBytes(form.LastWrittenBlocks(), form.LastReadBlocks()));
    }

private:
    // Lists on standard error the channels the plan marks; false when the
    // write must not go on (a plan that cannot be used, or --plan-strict).
    static bool fitsPlan(TForm1 &form, const CliRunner::Request &request)
    {
        try {
            form.SetFrequencyPlan(FrequencyPlanNamed(request.plan));
        } catch (const ELumoraError &e) {
            CliErr() << "lumora-cli: " << e.text() << Qt::endl;
            return false;
        }
        const QStringList marked = form.ChannelsOutsidePlan();
        if (marked.isEmpty())
            return true;
        CliErr() << "lumora-cli: " << request.file << ": " << ChannelsNotFittingText(marked.size(), form.Plan())
                 << (request.planStrict ? "; nothing was written (--plan-strict)" : "") << Qt::endl;
        for (const QString &line : marked)
            CliErr() << "  " << line << Qt::endl;
        return !request.planStrict;
    }
};

} // namespace

LUMORA_CLI_COMMAND(WriteCommand)

} // namespace lumora
