// The commands of lumora-cli, in the order the help lists them.

#include "app/cli/CliCommand.h"

namespace lumora {

const CliCommand &PortsCommandInstance();
const CliCommand &DoctorCommandInstance();
const CliCommand &ReadCommandInstance();
const CliCommand &WriteCommandInstance();
const CliCommand &DiffCommandInstance();
const CliCommand &BackupCommandInstance();
const CliCommand &RestoreCommandInstance();
const CliCommand &FleetCommandInstance();
const CliCommand &ImportCsvCommandInstance();
const CliCommand &ExportCsvCommandInstance();
const CliCommand &HistoryCommandInstance();
const CliCommand &PrintCommandInstance();

const std::vector<const CliCommand *> &CliCommands()
{
    static const std::vector<const CliCommand *> commands = {
            &PortsCommandInstance(),   &DoctorCommandInstance(),  &ReadCommandInstance(),
            &WriteCommandInstance(),   &DiffCommandInstance(),    &BackupCommandInstance(),
            &RestoreCommandInstance(), &FleetCommandInstance(),   &ImportCsvCommandInstance(),
            &ExportCsvCommandInstance(), &HistoryCommandInstance(), &PrintCommandInstance(),
    };
    return commands;
}

const CliCommand *FindCliCommand(const QString &name)
{
    for (const CliCommand *command : CliCommands())
        if (command->Name() == name)
            return command;
    return nullptr;
}

} // namespace lumora
