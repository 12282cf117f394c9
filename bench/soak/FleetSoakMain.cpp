// lumora-fleet-soak: a dealer's day. lumora-cli fleet programs radio after
// radio on one link; the radios come in turn, some restarting after they
// are programmed, some swapped in at once, some going quiet mid-write, and
// once the log's disk fills (the run stops; a second run goes on from the
// log). Afterwards every radio the log calls ok must hold the template and
// the identity its row names, no identity may be logged twice, and each
// run's status must say whether all its radios were done.
//
// Usage: lumora-fleet-soak [--radios N] [--seed S] [--cli PATH] [--radio PATH]
// Exit status 0 only when all of that holds.

#include "support/JsonFiles.h"
#include "support/VirtualRadio.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QSet>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>
#include <memory>

using namespace lumora::test;

namespace {

QTextStream &out()
{
    static QTextStream s(stdout);
    return s;
}

enum class Kind { Plain, Restarts, SwappedFast, GoesQuiet };
const char *const kKindNames[] = {"plain", "restarts", "swapped fast", "goes quiet"};

struct Radio {
    int number = 0; // in the order plugged in, from 1
    Kind kind = Kind::Plain;
    QString memory;
    QString row; // the log row it made, or the line of a radio not logged
    int run = 1; // the first run (its disk fills) or the second
};

class Soak {
public:
    Soak(const QString &cli, const QString &radio, int radios, quint32 seed)
        : cli_(cli), radio_(radio), radios_(radios), random_(seed)
    {
    }
    int run();

private:
    QString path(const QString &name) const { return dir_.filePath(name); }
    bool makeTemplate();
    QStringList logRows() const;
    void startRun(QProcess &run, bool diskFull);
    // Plugs in radio r and waits for its row (or for the run to end).
    void programOne(Radio &r, QProcess &run);
    bool check(const QVector<Radio> &radios, int statusFirst, int statusSecond);
    int cliStatus(const QStringList &args);

    QString cli_, radio_;
    int radios_;
    QRandomGenerator random_;
    QTemporaryDir dir_;
    QString link_ = path("cable"), log_ = path("log.csv");
    std::unique_ptr<VirtualRadio> onCable_;

public:
    bool verbose_ = false;
};

int Soak::cliStatus(const QStringList &args)
{
    QProcess p;
    p.start(cli_, args);
    p.waitForFinished(120000);
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

bool Soak::makeTemplate()
{
    // A template that differs from the blank radios beside the identity.
    VirtualRadio t({"--memory", path("template-radio.json")}, radio_);
    QJsonObject fsk;
    if (!t.ok() || cliStatus({"read", "fsk", "-p", t.device(), "-o", path("t.json")}) != 0)
        return false;
    fsk = readJson(path("t.json"));
    fsk["Message Mode Timer [s]"] = "9";
    writeJson(path("t.json"), fsk);
    return cliStatus({"write", "fsk", "-p", t.device(), path("t.json")}) == 0
           && cliStatus({"backup", "-p", t.device(), "-o", path("template.json")}) == 0;
}

QStringList Soak::logRows() const
{
    QFile f(log_);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QStringList rows = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    if (!rows.isEmpty())
        rows.removeFirst();
    return rows;
}

void Soak::startRun(QProcess &run, bool diskFull)
{
    const QStringList args{"fleet", "-p", link_, path("template.json"), "--first-id", "500", "--log", log_,
                           "--wait", "20"};
    if (diskFull) // files of at most 2 KiB: the log fills a few radios in
        run.start("/bin/bash", QStringList{"-c", "trap '' XFSZ; ulimit -f 2; exec \"$0\" \"$@\"", cli_} + args);
    else
        run.start(cli_, args);
    run.waitForStarted();
}

void Soak::programOne(Radio &r, QProcess &run)
{
    QStringList faults;
    if (r.kind == Kind::Restarts)
        faults << "--deaf-after" << "52020220:1.5";
    if (r.kind == Kind::GoesQuiet)
        faults << "--quiet-after" << QString::number(5 + random_.bounded(40));
    const int before = logRows().size();
    run.readAllStandardOutput(); // the lines of the radios before
    onCable_.reset(); // the last radio off the cable...
    onCable_ = std::make_unique<VirtualRadio>(QStringList{"--memory", r.memory, "--link", link_} + faults, radio_);
    QElapsedTimer waited;
    waited.start();
    while (logRows().size() == before && run.state() != QProcess::NotRunning && waited.elapsed() < 90000)
        run.waitForFinished(100); // keeps the process's state and output up to date
    const QStringList rows = logRows();
    if (rows.size() > before)
        r.row = rows.last();
    else // the run ended: its line says why
        r.row = QString::fromUtf8(run.readAllStandardOutput()).trimmed().section(QLatin1Char('\n'), -1);
    if (r.kind == Kind::Restarts)
        QThread::msleep(3000); // restarted, answering again as itself
    else if (r.kind != Kind::SwappedFast)
        QThread::msleep(static_cast<unsigned long>(random_.bounded(300, 1500)));
}

int Soak::run()
{
    if (!makeTemplate()) {
        out() << "lumora-fleet-soak: the template could not be made" << Qt::endl;
        return 2;
    }
    QVector<Radio> radios;
    for (int i = 1; i <= radios_; ++i) {
        const int roll = static_cast<int>(random_.bounded(10));
        radios.push_back({i, roll < 2 ? Kind::Restarts : roll < 4 ? Kind::SwappedFast : roll < 5 ? Kind::GoesQuiet : Kind::Plain,
                          path(QStringLiteral("r%1.json").arg(i)), {}});
    }
    // The log of a run before this one, so that the first run's disk fills
    // a few radios in.
    QByteArray earlier = "Time,Port,Radio,Fleet,ID,DTMF ID,Result,Differences\n";
    for (int n = 1; earlier.size() < 1700; ++n)
        earlier += "2026-01-01T00:00:00,/dev/ttyUSB0," + QByteArray::number(n) + ",100,9000,,failed: cancelled,\n";
    QFile f(log_);
    f.open(QIODevice::WriteOnly);
    f.write(earlier);
    f.close();

    QProcess first, second;
    startRun(first, true);
    int i = 0;
    for (; i < radios.size() && first.state() != QProcess::NotRunning; ++i)
        programOne(radios[i], first);
    onCable_.reset();
    first.waitForFinished(60000);
    const int statusFirst = first.exitCode();
    startRun(second, false);
    for (; i < radios.size(); ++i) {
        radios[i].run = 2;
        programOne(radios[i], second);
    }
    onCable_.reset();
    second.waitForFinished(60000); // the wait for a further radio runs out
    return check(radios, statusFirst, second.exitCode()) ? 0 : 1;
}

bool Soak::check(const QVector<Radio> &radios, int statusFirst, int statusSecond)
{
    const QJsonObject want = readJson(path("template-radio.json"));
    QSet<QString> ids;
    int ok = 0, failed = 0, notLogged = 0, wrong = 0, twice = 0, secondFailures = 0;
    int counts[4] = {};
    for (const Radio &r : radios) {
        ++counts[static_cast<int>(r.kind)];
        if (verbose_)
            out() << "radio " << r.number << " (" << kKindNames[static_cast<int>(r.kind)] << ", run " << r.run
                  << "): " << r.row << Qt::endl;
        const QStringList cells = r.row.split(QLatin1Char(','));
        if (r.row.contains(QLatin1String("but not logged"))) {
            ++notLogged;
            continue;
        }
        if (cells.value(6) != QLatin1String("ok")) {
            ++failed;
            secondFailures += r.run == 2 ? 1 : 0;
            continue;
        }
        ++ok;
        const QString id = cells.value(4);
        if (ids.contains(id)) {
            ++twice;
            out() << "radio " << r.number << ": ID " << id << " logged twice" << Qt::endl;
        }
        ids.insert(id);
        const QJsonObject got = readJson(r.memory);
        bool holds = true;
        for (const char *area : {"channel", "settings", "2tone", "5tone", "dtmf"})
            holds = holds && got[area] == want[area];
        const auto fsk = blockOf(got, "fleetsync", 0), wantFsk = blockOf(want, "fleetsync", 0);
        holds = holds && QString::number(fsk[2] | fsk[3] << 8) == id && fsk[0] == wantFsk[0] && fsk[1] == wantFsk[1];
        for (size_t k = 4; k < fsk.size(); ++k)
            holds = holds && fsk[k] == wantFsk[k];
        for (int b = 1; b < 3; ++b)
            holds = holds && blockOf(got, "fleetsync", b) == blockOf(want, "fleetsync", b);
        if (!holds) {
            ++wrong;
            out() << "radio " << r.number << " (" << kKindNames[static_cast<int>(r.kind)]
                  << ") is logged ok but does not hold the template and ID " << id << Qt::endl;
        }
    }
    // The first run stopped at the full disk (status 1); the second is 0
    // exactly when none of its radios failed.
    const bool statuses = statusFirst == 1 && (statusSecond == 0) == (secondFailures == 0);
    out() << radios.size() << " radios (" << counts[0] << " plain, " << counts[1] << " restarting, " << counts[2]
          << " swapped fast, " << counts[3] << " going quiet): " << ok << " logged ok, " << failed << " failed, "
          << notLogged << " written but not logged, " << wrong << " not holding what their row says, " << twice
          << " IDs logged twice; run statuses " << statusFirst << " and " << statusSecond << Qt::endl;
    return wrong == 0 && twice == 0 && notLogged == 1 && ok + failed + notLogged == radios.size() && statuses;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    const QCommandLineOption radios("radios", "How many radios.", "N", "50");
    const QCommandLineOption seed("seed", "Seed of the radios' kinds.", "S", "1");
    const QCommandLineOption cli("cli", "lumora-cli to drive.", "PATH", QStringLiteral(LUMORA_CLI_PATH));
    const QCommandLineOption radio("radio", "lumora-radio to use.", "PATH", QStringLiteral(LUMORA_RADIO_PATH));
    const QCommandLineOption verbose("verbose", "Each radio's row.");
    parser.addOptions({radios, seed, cli, radio, verbose});
    parser.addHelpOption();
    parser.process(app);
    Soak soak(parser.value(cli), parser.value(radio), parser.value(radios).toInt(), parser.value(seed).toUInt());
    soak.verbose_ = parser.isSet(verbose);
    return soak.run();
}
