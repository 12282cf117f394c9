#pragma once
// The tool's windows with their boxes captured and the main window's port
// on a device, every byte written and received recorded: what the window
// tests of transfers share. A test class holds one and calls open() from
// its init() and close() from its cleanup().

#include "support/JsonFiles.h"
#include "support/VirtualRadio.h"
#include "ui/UiTestSupport.h"

#include "serial/TComm.h"

#include <QFile>
#include <QTemporaryDir>
#include <memory>

namespace lumora::test {

// A radio image with a DTMF and a FleetSync area unlike the factory ones.
inline QJsonObject CustomSignallingImage(const QString &dir)
{
    const QString file = dir + "/seed.json";
    {
        VirtualRadio radio({"--memory", file, "--exit-after", "1"});
    }
    QJsonObject image = readJson(file);
    setBlock(image, "dtmf", 0, {10, 50, 20, 10, 30, 0x00, 0, 0, 0, 0, 0xAC, 0x0B, 0, 0,
                                13, 0, 2, 1, 0xFF, 3, 3, 0, 0, 0, 0, 0, 0, 0});
    setBlock(image, "dtmf", 1, {0x01, 0, 0, 0}); // memory 1: D, D, 1
    setBlock(image, "dtmf", 3, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x11, 0x09}); // memory 16: 911
    setBlock(image, "fleetsync", 0, {0x2C, 0x01, 0xD0, 0x07, 12, 0x10, 0x00, 0x05, 0x01, 0, 0, 0, 0, 0,
                                     0, 0, 0, 0, 0, 0, 7, 0, 8, 0});
    setBlock(image, "fleetsync", 2, {0x2C, 0x01, 0xD0, 0x07});
    return image;
}

struct WindowsOnRadio {
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<CapturedDialogs> dialogs;
    std::unique_ptr<ToolWindows> windows;
    std::unique_ptr<VirtualRadio> silent; // hears and never answers
    TForm1 *form = nullptr;
    TForm3 *progress = nullptr;
    QByteArray written;    // every byte the tool wrote
    QList<int> writeSizes; // bytes per write
    QByteArray received;

    QString memory() const { return dir->filePath("radio.json"); }
    TForm2 &dtmf() { return *windows->Form2; }
    TForm4 &twoTone() { return *windows->Form4; }
    TForm5 &fiveTone() { return *windows->Form5; }
    TForm6 &fsk() { return *windows->Form6; }
    void open(std::unique_ptr<CapturedDialogs> boxes = std::make_unique<CapturedDialogs>())
    {
        dir = std::make_unique<QTemporaryDir>();
        dialogs = std::move(boxes);
        windows = std::make_unique<ToolWindows>(QSize(1920, 1080));
        form = windows->Form1.get();
        progress = windows->Form3.get();
        written.clear();
        writeSizes.clear();
        received.clear();
    }
    void close()
    {
        windows.reset();
        silent.reset();
        dialogs.reset();
        dir.reset();
    }
    // The port of the device, opened as the "Signa" menu opens it (not for
    // a device that does not exist: then nothing is sent at all).
    void attach(const QString &device)
    {
        form->SelectPort(device);
        if (QFile::exists(device))
            form->OpenPortForSignalling();
        form->WriteTap = [this](const uint8_t *d, int n) {
            written.append(reinterpret_cast<const char *>(d), n);
            writeSizes << n;
        };
        form->Comm1->OnReceiveData = [this](TComm *, const uint8_t *b, uint16_t n) {
            received.append(reinterpret_cast<const char *>(b), n);
            form->Comm1ReceiveData(b, n);
        };
    }
    // What arrives at a radio that never answers, the test sends.
    void attachSilent()
    {
        silent = std::make_unique<VirtualRadio>(QStringList{"--drop", "1"});
        attach(silent->device());
    }
    static bool done(TSignallingForm &w) { return !w.ReadUnderWay() && !w.WriteUnderWay(); }
};

} // namespace lumora::test
