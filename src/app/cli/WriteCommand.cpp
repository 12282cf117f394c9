// lumora-cli write: a channel or settings file into the radio, and with --verify read back.

#include "app/cli/CliCommand.h"
#include "app/ToolWindows.h"
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
                      "  lumora-cli write [AREA] --port DEV FILE --verify"},
                     R"(  write               open a channel or settings file and write it to the
                      radio
  --verify            after a write, read the area back and list every
                      field whose bytes differ from what was written, with
                      the stored values where the texts look the same
                      (status 1)
)",
                     {"verify"})
    {
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
        if (!runner.RunMain(form, false, request))
            return CliRunner::kFailed;
        if (!request.verify)
            return runner.Failed() ? CliRunner::kFailed : 0;
        if (!runner.RunMain(form, true, request))
            return CliRunner::kFailed;
        // Every byte the write sent, against every byte read back.
        return runner.Report(request, CompareMainMemoryBytes(form.LastWrittenBlocks(), form.LastReadBlocks()));
    }
};

} // namespace

LUMORA_CLI_COMMAND(WriteCommand)

} // namespace lumora
