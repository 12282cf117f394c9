#pragma once
// lumora-cli's one parser: every option of every command, read once, and
// each refused where the command does not take it.

#include <QCommandLineParser>
#include <QStringList>

namespace lumora {

class CliCommand;

class CliArgs {
public:
    CliArgs();
    // False: cli's error text says why.
    bool Parse(const QStringList &arguments);
    QString ErrorText() const { return parser_.errorText(); }
    QStringList Words() const { return parser_.positionalArguments(); }

    bool IsSet(const QString &name) const { return parser_.isSet(name); }
    QString Value(const QString &name) const { return parser_.value(name); }
    // The option's value as a whole number; ok false when it is none.
    int Number(const QString &name, bool *ok) const { return parser_.value(name).toInt(ok); }

    // The first option given that the command does not take: "--verify
    // goes with write and restore"; empty when there is none.
    QString Refused(const CliCommand &command) const;

private:
    QCommandLineParser parser_;
};

} // namespace lumora
