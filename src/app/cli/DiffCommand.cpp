// lumora-cli diff: every byte a write of a file would change in the radio.

#include "app/cli/CliCommand.h"
#include "app/ToolWindows.h"
#include "memory/ChannelColumns.h"
#include "memory/ChannelFile.h"
#include "memory/MemoryComparison.h"
#include "protocol/MainMemoryFrames.h"
#include "ui/Languages.h"
#include "ui/TForm1.h"


namespace lumora {

namespace {

class DiffCommand : public AreaFileCommand {
public:
    DiffCommand()
        : AreaFileCommand("diff",
                     {"  lumora-cli diff  [AREA] --port DEV FILE [--json]"},
                     QT_TRANSLATE_NOOP("CliHelp", R"(  diff                read the radio and list, field by field, what writing
                      FILE would change: status 0 when nothing, 1 when
                      something would, 2 on an error
)"),
                     {"json"})
    {
    }
    int FailureStatus() const override { return 2; }
    int RunOn(CliRunner &runner, ToolWindows &windows, const CliRunner::Request &request) const override
    {
        TForm1 &form = *windows.Form1;
        if (TSignallingForm *window = windows.Area(request.area)) {
            runner.LoadSettings(*window, request);
            const TSignallingForm::WrittenArea written = window->WhatAWriteAssigns();
            if (!runner.RunArea(form, *window, true, request))
                return CliRunner::kFailed;
            const QStringList differences = [&] {
                const SourceTextsOnly english(request.json); // the JSON's texts are the same in every language
                return window->DifferencesFromRead(written);
            }();
            return runner.Report(request, differences);
        }
        // As a write of the file sends it: a program of its own, its buffer fresh.
        TextTable file(kChannelColumns, kChannelRows);
        FillChannelLabels(file);
        OptionTexts fileOptions = DefaultOptionTexts();
        LoadChannelFile(file, fileOptions, request.file);
        const std::vector<Payload> written = MainWriteImage(FrameBuffer{}, file, fileOptions);
        if (!runner.RunMain(form, true, request))
            return CliRunner::kFailed;
        const QStringList differences = [&] {
            const SourceTextsOnly english(request.json);
            return CompareMainMemoryBytes(written, form.LastReadBlocks());
        }();
        return runner.Report(request, differences);
    }
};

} // namespace

LUMORA_CLI_COMMAND(DiffCommand)

} // namespace lumora
