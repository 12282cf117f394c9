// The settings-file and backup-file readers on any bytes: a file that does
// not fit is refused with its message and the windows stay as they were; a
// file that fits, taken into its window, gives back a file of the same
// shape that reads again to the same settings.

#include "FuzzSupport.h"
#include "WindowsFixture.h"

#include "memory/ChannelColumns.h"
#include "memory/Errors.h"
#include "backup/RadioBackupFile.h"
#include "signalling/SettingsFile.h"
#include "signalling/TSignallingForm.h"
#include "ui/TXStringGrid.h"

#include <QJsonObject>

using namespace lumora;
using namespace lumora::fuzz;

namespace {

Windows *windows = nullptr;

bool sameShape(const SettingsValues &a, const SettingsValues &b)
{
    if (a.size() != b.size())
        return false;
    for (int i = 0; i < a.size(); ++i) {
        if (a[i].key != b[i].key || a[i].kind != b[i].kind || a[i].rows.size() != b[i].rows.size())
            return false;
        for (int r = 0; r < a[i].rows.size(); ++r)
            if (a[i].rows[r].size() != b[i].rows[r].size())
                return false;
    }
    return true;
}

AreaSettings shapesNow()
{
    AreaSettings all{{area::Main, MainMemorySettings(*windows->form.xg, windows->form.Options())}};
    for (const auto &[name, window] : windows->signalling.Areas())
        all << qMakePair(name, window->Settings());
    return all;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    StartApplication();
    windows = new Windows; // lives as long as the process
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Input in(data, size);
    const int which = in.byte() % 5;
    const QByteArray json = in.rest();
    const auto areas = windows->signalling.Areas();
    if (which == 4) {
        const AreaSettings shapes = shapesNow();
        AreaSettings read;
        try {
            read = ReadRadioBackup(json, shapes, QStringLiteral("fuzz.json"));
        } catch (const EFOpenError &) {
            return 0;
        }
        LUMORA_FUZZ_CHECK(read.size() == shapes.size(), QString());
        for (int i = 0; i < read.size(); ++i)
            LUMORA_FUZZ_CHECK(read[i].first == shapes[i].first && sameShape(read[i].second, shapes[i].second),
                              read[i].first);
        return 0;
    }
    TSignallingForm &window = *areas[static_cast<size_t>(which)].second;
    const SettingsValues before = window.Settings();
    SettingsValues read;
    try {
        read = ReadSettingsJson(json, window.SettingsArea(), before, QStringLiteral("fuzz.json"));
    } catch (const EFOpenError &e) {
        LUMORA_FUZZ_CHECK(SettingsToJson(window.Settings()) == SettingsToJson(before), e.text());
        return 0;
    }
    LUMORA_FUZZ_CHECK(sameShape(read, before), window.SettingsArea());
    window.setSettings(read);
    const SettingsValues taken = window.Settings();
    LUMORA_FUZZ_CHECK(sameShape(taken, before), window.SettingsArea());
    // What the window holds now is a file that reads back to it.
    const SettingsValues again =
            ReadSettingsJson(WriteSettingsJson(window.SettingsArea(), taken), window.SettingsArea(), taken,
                             QStringLiteral("again.json"));
    LUMORA_FUZZ_CHECK(SettingsToJson(again) == SettingsToJson(taken), window.SettingsArea());
    window.setSettings(before);
    return 0;
}
