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

#include "memory/ChannelColumns.h"
#include "memory/OptionSettings.h"
#include "protocol/MainMemoryFrames.h"
#include "signalling/SignallingWindows.h"
#include "signalling/TSignallingForm.h"
#include "ui/TApplication.h"
#include "ui/TForm1.h"
#include "ui/TForm3.h"
#include "ui/TXStringGrid.h"
#include "ui/UserDialogs.h"

#include <QCommandLineParser>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>
#include <QTimer>
#include <memory>

using namespace lumora;

namespace {

QTextStream &out()
{
    static QTextStream s(stdout);
    return s;
}

// Boxes as counts: a success, or an error.
class Counting : public IUserDialogs {
public:
    QStringList successes, errors;
    void ShowMessage(const QString &text) override { successes << text; }
    void ShowError(const QString &text, const QString &) override { errors << text; }
    bool AskYesNo(const QString &) override { return false; }
    SaveAnswer AskSaveChanges(const QString &, const QString &) override { return SaveAnswer::Discard; }
    QString AskOpenFileName(QWidget *, const QString &, const QString &) override { return {}; }
    QString AskSaveFileName(QWidget *, const QString &, const QString &) override { return {}; }
};

// A virtual radio with its faults; its memory file is what it holds.
class Radio {
public:
    Radio(const QString &program, const QString &memory, const QStringList &faults)
    {
        process_.start(program, QStringList{"--memory", memory} + faults);
        if (process_.waitForStarted(5000) && process_.waitForReadyRead(5000))
            device_ = QString::fromLocal8Bit(process_.readLine()).trimmed();
    }
    ~Radio() { stop(); }
    const QString &device() const { return device_; }
    // Stops it and adds up the faults it made.
    int stop()
    {
        if (process_.state() == QProcess::NotRunning)
            return 0;
        process_.terminate();
        process_.waitForFinished(5000);
        const QString report = QString::fromLocal8Bit(process_.readAllStandardError());
        int faults = 0;
        const QRegularExpressionMatch m =
                QRegularExpression("faults: (\\d+) dropped, (\\d+) corrupted, (\\d+) delayed").match(report);
        for (int i = 1; m.hasMatch() && i <= 3; ++i)
            faults += m.captured(i).toInt();
        return faults;
    }

private:
    QProcess process_;
    QString device_;
};

// The radio's memory, block by block, as its file has it.
std::vector<Payload> blocksOf(const QString &memory, const char *area)
{
    QFile f(memory);
    f.open(QIODevice::ReadOnly);
    const QJsonArray blocks = QJsonDocument::fromJson(f.readAll()).object().value(QLatin1String(area)).toArray();
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
        BuildChannelFrame(tx, *form.xg, n);
        take();
    }
    BuildSettingsFrame(tx, form.Options());
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

const char *memoryArea(const QString &area)
{
    return area == QLatin1String("fsk") ? "fleetsync" : area == QLatin1String("dtmf") ? "dtmf"
         : area == QLatin1String("2tone") ? "2tone" : "5tone";
}

struct Figures {
    int run = 0, faults = 0, completed = 0, failedVisibly = 0, mismatches = 0, falseSuccesses = 0;
    QMap<QString, int> perKind;
};

class Soak {
public:
    Soak(const QString &radioProgram, quint32 seed, bool quiet)
        : radioProgram_(radioProgram), random_(seed), quiet_(quiet)
    {
        SetUserDialogs(&dialogs_);
        form_ = std::make_unique<TForm1>(QSize(1920, 1080));
        windows_ = std::make_unique<SignallingWindows>(*form_);
        progress_ = std::make_unique<TForm3>(*form_);
        form_->setProgressDialog(progress_.get());
    }
    ~Soak()
    {
        progress_.reset();
        windows_.reset();
        form_.reset();
        SetUserDialogs(nullptr);
    }

    Figures run(int transfers)
    {
        const QString memory = dir_.filePath("radio.json");
        prime(memory);
        std::unique_ptr<Radio> radio;
        for (int i = 0; i < transfers; ++i) {
            // A new radio, with new faults and a new seed, every few transfers.
            if (i % 12 == 0) {
                if (radio)
                    figures_.faults += radio->stop();
                radio = std::make_unique<Radio>(radioProgram_, memory, faults());
                form_->SelectPort(radio->device());
            }
            const int kind = static_cast<int>(random_.bounded(10));
            const bool reading = kind % 2 == 0;
            const QString area = kind < 2 ? QStringLiteral("main") : windows_->Areas()[static_cast<size_t>(kind / 2 - 1)].first;
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
        Radio clean(radioProgram_, memory, {});
        form_->SelectPort(clean.device());
        for (const QString &area : {QStringLiteral("main"), QStringLiteral("dtmf"), QStringLiteral("2tone"),
                                    QStringLiteral("5tone"), QStringLiteral("fsk")}) {
            transfer(area, true, memory, false);
            transfer(area, false, memory, false);
        }
        clean.stop();
        if (figures_.failedVisibly > 0 || figures_.completed != 10)
            out() << "the radio could not be primed" << Qt::endl;
        figures_ = Figures();
    }

    QStringList faults()
    {
        // Lost, damaged and late answers. Late, but well within the 300 ms
        // after which the tool sends again: an acknowledgement carries no
        // block index, so one later than that is taken for the next
        // frame's (a limit of the radio's protocol).
        const double drops[] = {0, 0.05, 0.2, 0.4};
        const double corruptions[] = {0, 0.05, 0.2};
        const int delays[] = {0, 20, 60, 120};
        return {"--seed", QString::number(random_.bounded(1u << 30)),
                "--drop", QString::number(drops[random_.bounded(4)]),
                "--corrupt", QString::number(corruptions[random_.bounded(3)]),
                "--delay", QString::number(delays[random_.bounded(4)])};
    }

    // Something new to write: channels swapped, other options, a grid's
    // rows swapped (every text stays one its column takes).
    void changeWhatIsWritten(const QString &area)
    {
        if (area == QLatin1String("main")) {
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
        return area == QLatin1String("main") ? mainBlocks(*form_) : windows_->Area(area)->EncodeArea();
    }

    std::vector<Payload> held(const QString &area, const QString &memory)
    {
        return area == QLatin1String("main") ? radioMainBlocks(memory) : blocksOf(memory, memoryArea(area));
    }

    void transfer(const QString &area, bool reading, const QString &memory, bool changing = true)
    {
        ++figures_.run;
        ++figures_.perKind[area + (reading ? " read" : " write")];
        dialogs_.successes.clear();
        dialogs_.errors.clear();
        std::vector<Payload> expected;
        bool ended = false, completed = false;
        QEventLoop loop;
        QMetaObject::Connection c;
        try {
            if (area == QLatin1String("main")) {
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
                c = QObject::connect(&w, &TSignallingForm::TransferEnded, &loop, [&](bool ok) {
                    ended = true;
                    completed = ok;
                    loop.quit();
                });
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
            return;
        }
        // Waits for the end: a success box, an error box, the window's end.
        QTimer poll, limit;
        QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
            if (!dialogs_.successes.isEmpty() || !dialogs_.errors.isEmpty() || ended)
                loop.quit();
        });
        QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
        poll.start(5);
        limit.setSingleShot(true);
        limit.start(60000);
        loop.exec();
        QObject::disconnect(c);
        const bool success = !dialogs_.successes.isEmpty() || (ended && completed);
        if (!success) {
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
    Counting dialogs_;
    std::unique_ptr<TForm1> form_;
    std::unique_ptr<SignallingWindows> windows_;
    std::unique_ptr<TForm3> progress_;
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
