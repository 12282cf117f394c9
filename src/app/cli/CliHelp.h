#pragma once
// lumora-cli's help, made of the commands' own usage lines and paragraphs,
// and its usage errors.

#include <QString>

namespace lumora {

// --help: every command's usage, then every command's paragraphs.
QString CliHelpText();
// "lumora-cli help CMD": the command's usage and paragraphs; empty when
// there is no such command.
QString CliCommandHelp(const QString &verb);
// A usage error: the one line that matters, the command's usage lines and
// where its help is, on standard error. Returns 2.
int CliUsageError(const QString &problem, const QString &verb = QString());
// An unknown command, with the nearest one when one is near enough. Returns 2.
int CliUnknownCommand(const QString &verb);

} // namespace lumora
