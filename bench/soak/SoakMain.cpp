// lumora-soak: main reads and writes and every signalling read and write,
// over and over, against virtual radios that drop, corrupt and delay their
// answers. After every completed write the radio's memory must hold
// exactly what the windows encode; after every completed read the windows
// must encode exactly the radio's memory. A transfer the faults make fail
// must fail visibly (an error, or no success before the time allowed),
// never as a success.
//
// Usage: lumora-soak [--transfers N] [--seed S] [--radio PATH] [--quiet]
// Exit status 0 only when nothing was lost or mismatched and no false
// success was reported.

#include "support/CapturedDialogs.h"
#include "support/VirtualRadio.h"

#include "app/ToolWindows.h"
#include "memory/ChannelColumns.h"
#include "memory/OptionSettings.h"
#include "protocol/MainMemoryFrames.h"
#include "serial/TComm.h"
#include "ui/TApplication.h"
#include "ui/TXStringGrid.h"

#include <QCommandLineParser>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>
#include <QTimer>
#include <memory>

using namespace lumora;
using lumora::test::CapturedDialogs;
using Radio = lumora::test::VirtualRadio;

namespace {

QTextStream &out()
{
    static QTextStream s(stdout);
    return s;
}

// The radio's memory, block by block, as its file has it.
std::vector<Payload> blocksOf(const QString &memory, const QString &area)
{
    QFile f(memory);
    f.open(QIODevice::ReadOnly);
    const QJsonArray blocks = QJsonDocument::fromJson(f.readAll()).object().value(area).toArray();
    std::vector<Payload> result;
    for (const QJsonValue &b : blocks) {
        const QByteArray bytes = QByteArray::fromHex(b.toString().toLatin1());
        Payload p{};
        std::copy_n(bytes.begin(), std::min<qsizetype>(bytes.size(), kPayloadLength), p.begin());
        result.push_back(p);
    }
    return result;
}

// What the main window encodes: channels 1 to 16, then the settings block.
std::vector<Payload> mainBlocks(TForm1 &form)
{
    std::vector<Payload> blocks;
    FrameBuffer tx{};
    auto take = [&] {
        Payload p{};
        std::copy_n(tx.begin() + kPayloadOffset, kPayloadLength, p.begin());
        blocks.push_back(p);
    };
    for (int n = 1; n <= kChannelCount; ++n) {
        BuildChannelFrame(tx, *form.xg, n, &form.Baseline()); // a channel as read goes back as read
        take();
    }
    BuildSettingsFrame(tx, form.Options(), &form.Baseline(), form.xg);
    take();
    return blocks;
}

std::vector<Payload> radioMainBlocks(const QString &memory)
{
    std::vector<Payload> blocks = blocksOf(memory, "channel");
    for (const Payload &p : blocksOf(memory, "settings"))
        blocks.push_back(p);
    return blocks;
}

// The radio's memory file names FleetSync's area in full.
QString memoryArea(const QString &name) { return name == area::FleetSync ? QStringLiteral("fleetsync") : name; }

struct Figures {
    int run = 0, faults = 0, completed = 0, failedVisibly = 0, mismatches = 0, falseSuccesses = 0;
    QMap<QString, int> perKind;
};

class Soak {
public:
    Soak(const QString &radioProgram, quint32 seed, bool quiet)
        : radioProgram_(radioProgram), random_(seed), quiet_(quiet)
    {
        windows_ = std::make_unique<ToolWindows>(QSize(1920, 1080));
        form_ = windows_->Form1.get();
        progress_ = windows_->Form3.get();
    }

    Figures run(int transfers)
    {
        const QString memory = dir_.filePath("radio.json");
        prime(memory);
        std::unique_ptr<Radio> radio;
        for (int i = 0; i < transfers; ++i) {
            // A new radio, with new faults and a new seed, every few transfers.
            if (i % 12 == 0) {
                // The port closed first, as a user unplugging would: a
                // signalling window keeps it open after its transfer.
                form_->Comm1->ClosePort();
                form_->comcbb->setEnabled(true);
                if (radio)
                    figures_.faults += radio->stop();
                radio = std::make_unique<Radio>(QStringList{"--memory", memory} + faults(), radioProgram_);
                form_->SelectPort(radio->device());
            }
            const int kind = static_cast<int>(random_.bounded(10));
            const bool reading = kind % 2 == 0;
            const QString area = kind < 2 ? area::Main : windows_->Areas()[static_cast<size_t>(kind / 2 - 1)].first;
            transfer(area, reading, memory);
            if (!quiet_ && (i + 1) % 100 == 0)
                report(QStringLiteral("after %1").arg(i + 1));
        }
        if (radio)
            figures_.faults += radio->stop();
        return figures_;
    }

    void report(const QString &when)
    {
        out() << when << ": transfers run " << figures_.run << ", faults injected " << figures_.faults
              << ", completed " << figures_.completed << ", failed visibly " << figures_.failedVisibly
              << ", mismatches " << figures_.mismatches << ", false successes " << figures_.falseSuccesses << Qt::endl;
    }

private:
    // The radio's factory memory has bytes the tool never writes (blocks
    // of empty channels all zero, for one): every area is first read and
    // written back once without faults, so that the radio holds what the
    // windows encode. Not counted.
    void prime(const QString &memory)
    {
        Radio clean({"--memory", memory}, radioProgram_);
        form_->SelectPort(clean.device());
        for (const QString &area : area::All()) {
            transfer(area, true, memory, false);
            transfer(area, false, memory, false);
        }
        form_->Comm1->ClosePort();
        form_->comcbb->setEnabled(true);
        clean.stop();
        if (figures_.failedVisibly > 0 || figures_.completed != 10)
            out() << "the radio could not be primed" << Qt::endl;
        figures_ = Figures();
    }

    QStringList faults()
    {
        // Lost, damaged and late answers, some later than the 300 ms after
        // which the tool sends again: such a radio answers every copy, and
        // an acknowledgement carries no block index.
        const double drops[] = {0, 0.05, 0.2, 0.4};
        const double corruptions[] = {0, 0.05, 0.2};
        const int delays[] = {0, 20, 60, 120, 350, 450};
        return {"--seed", QString::number(random_.bounded(1u << 30)),
                "--drop", QString::number(drops[random_.bounded(4)]),
                "--corrupt", QString::number(corruptions[random_.bounded(3)]),
                "--delay", QString::number(delays[random_.bounded(6)])};
    }

    // Something new to write: channels swapped, other options, a grid's
    // rows swapped (every text stays one its column takes).
    void changeWhatIsWritten(const QString &area)
    {
        if (area == area::Main) {
            TXStringGrid &g = *form_->xg;
            const int a = 1 + static_cast<int>(random_.bounded(kChannelCount));
            const int b = 1 + static_cast<int>(random_.bounded(kChannelCount));
            for (int c = 1; c < kChannelColumns; ++c) {
                const QString t = g.Cells(c, a);
                g.setCells(c, a, g.Cells(c, b));
                g.setCells(c, b, t);
            }
            OptionTexts o = form_->Options();
            const OptionId id = static_cast<OptionId>(random_.bounded(kOptionCount));
            if (!Option(id).items.isEmpty())
                o[id] = Option(id).items[static_cast<int>(random_.bounded(Option(id).items.size()))];
            form_->setOptions(o);
            return;
        }
        TSignallingForm &w = *windows_->Area(area);
        SettingsValues values = w.Settings();
        for (SettingsValue &v : values)
            if (v.kind == SettingsValue::Rows && v.rows.size() > 1) {
                const int a = static_cast<int>(random_.bounded(v.rows.size()));
                const int b = static_cast<int>(random_.bounded(v.rows.size()));
                std::swap(v.rows[a], v.rows[b]);
            }
        w.setSettings(values);
    }

    std::vector<Payload> encoded(const QString &area)
    {
        return area == area::Main ? mainBlocks(*form_) : windows_->Area(area)->EncodeArea();
    }

    std::vector<Payload> held(const QString &area, const QString &memory)
    {
        return area == area::Main ? radioMainBlocks(memory) : blocksOf(memory, memoryArea(area));
    }

    void transfer(const QString &area, bool reading, const QString &memory, bool changing = true)
    {
        ++figures_.run;
        ++figures_.perKind[area + (reading ? " read" : " write")];
        dialogs_.errors.clear();
        std::vector<Payload> expected;
        bool ended = false, completed = false;
        QEventLoop loop;
        auto end = [&](bool ok) {
            ended = true;
            completed = ok;
            loop.quit();
        };
        // The transfer's end, or an error box: no more to wait for.
        dialogs_.ErrorShown = [&] { loop.quit(); };
        QMetaObject::Connection c;
        try {
            if (area == area::Main) {
                c = QObject::connect(form_, &TForm1::MainTransferEnded, &loop,
                                     [&](TransferEnd e) { end(e == TransferEnd::Completed); });
                if (reading) {
                    form_->ReadIntoGrid();
                } else {
                    if (changing)
                        changeWhatIsWritten(area);
                    expected = encoded(area);
                    form_->wbtnClick();
                }
            } else {
                TSignallingForm &w = *windows_->Area(area);
                c = QObject::connect(&w, &TSignallingForm::TransferEnded, &loop, end);
                if (!reading) {
                    if (changing)
                        changeWhatIsWritten(area);
                    expected = encoded(area);
                }
                reading ? w.rbtnClick() : w.wbtnClick();
            }
        } catch (const std::exception &) {
            ++figures_.failedVisibly; // refused with its message before anything was sent
            QObject::disconnect(c);
            dialogs_.ErrorShown = nullptr;
            return;
        }
        QTimer limit;
        QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
        limit.setSingleShot(true);
        limit.start(60000);
        if (!ended && dialogs_.errors.isEmpty())
            loop.exec();
        QObject::disconnect(c);
        dialogs_.ErrorShown = nullptr;
        const bool success = ended && completed;
        if (!success) {
            if (!quiet_)
                out() << "failed: a " << area << (reading ? " read" : " write") << " (transfer " << figures_.run
                      << "): " << (dialogs_.errors.isEmpty() ? QStringLiteral("no end within 60 s")
                                                             : dialogs_.errors.join(QStringLiteral("; ")))
                      << Qt::endl;
            // Stopped as a user would: Cancel, or the window's Close.
            progress_->Button2Click();
            for (const auto &a : windows_->Areas())
                a.second->StopTransfer();
            ++figures_.failedVisibly;
            return;
        }
        ++figures_.completed;
        if (!changing)
            return; // priming: the factory memory is not what the windows encode yet
        // The radio keeps its file after answering: allow it a moment.
        bool same = false;
        std::vector<Payload> windows, radio;
        for (int attempt = 0; attempt < 50 && !same; ++attempt) {
            windows = reading ? encoded(area) : expected;
            radio = held(area, memory);
            same = windows == radio;
            if (!same)
                QThread::msleep(20);
        }
        if (!same) {
            ++figures_.mismatches;
            ++figures_.falseSuccesses; // a success was reported for it
            out() << "MISMATCH after a " << area << (reading ? " read" : " write") << " (transfer "
                  << figures_.run << ")" << Qt::endl;
            for (size_t i = 0; i < std::max(windows.size(), radio.size()); ++i) {
                auto hex = [](const std::vector<Payload> &v, size_t i) {
                    return i < v.size() ? QByteArray(reinterpret_cast<const char *>(v[i].data()), kPayloadLength).toHex()
                                        : QByteArray("none");
                };
                if (hex(windows, i) != hex(radio, i))
                    out() << "  block " << i << ": windows " << hex(windows, i) << Qt::endl
                          << "  block " << i << ": radio   " << hex(radio, i) << Qt::endl;
            }
        }
    }

    QString radioProgram_;
    QRandomGenerator random_;
    bool quiet_;
    QTemporaryDir dir_;
    CapturedDialogs dialogs_;
    std::unique_ptr<ToolWindows> windows_;
    TForm1 *form_ = nullptr;
    TForm3 *progress_ = nullptr;
    Figures figures_;
};

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TApplication app(argc, argv);
    QCommandLineParser cli;
    const QCommandLineOption transfers("transfers", "Transfers to run (default 200).", "N", "200");
    const QCommandLineOption seed("seed", "Seed of the choices and faults (default 1).", "S", "1");
    const QCommandLineOption radio("radio", "The virtual radio program.", "PATH", QStringLiteral(LUMORA_RADIO_PATH));
    const QCommandLineOption quiet("quiet", "Only the final figures.");
    cli.addOptions({transfers, seed, radio, quiet});
    cli.addHelpOption();
    cli.process(app);

    QElapsedTimer clock;
    clock.start();
    Figures f;
    {
        Soak soak(cli.value(radio), cli.value(seed).toUInt(), cli.isSet(quiet));
        f = soak.run(cli.value(transfers).toInt());
    }
    out() << "transfers run: " << f.run << Qt::endl;
    for (auto it = f.perKind.begin(); it != f.perKind.end(); ++it)
        out() << "  " << it.key() << ": " << it.value() << Qt::endl;
    out() << "faults injected: " << f.faults << Qt::endl
          << "transfers completed: " << f.completed << Qt::endl
          << "transfers failed visibly: " << f.failedVisibly << Qt::endl
          << "mismatches: " << f.mismatches << Qt::endl
          << "successes reported for transfers that did not complete: " << f.falseSuccesses << Qt::endl
          << "time: " << clock.elapsed() / 1000.0 << " s" << Qt::endl;
    return f.mismatches == 0 && f.falseSuccesses == 0 ? 0 : 1;
}
