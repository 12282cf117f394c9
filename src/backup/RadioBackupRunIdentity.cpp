// A restore that keeps the radio's identity, or gives it another: the
// values that make a radio this radio in a fleet, read, kept and checked.

#include "backup/RadioBackupRun.h"

#include "memory/Errors.h"
#include "protocol/AreaNames.h"

#include <algorithm>

namespace lumora {

namespace {

// What makes a radio this radio in a fleet: its FleetSync own fleet and ID,
// and the DTMF ID code by which the others call it.
const std::pair<QString, const char *> kIdentityKeys[] = {
        {area::FleetSync, "Fleet[Own]"}, {area::FleetSync, "ID[Own]"}, {area::Dtmf, "ID Code"}};

SettingsValue *valueOf(SettingsValues &values, const QString &key)
{
    for (SettingsValue &v : values)
        if (v.key == key)
            return &v;
    return nullptr;
}

} // namespace

// Where the identity lives in block 0 of its areas: the DTMF ID code's word
// and digit count, the FleetSync own fleet's and ID's words.
const std::pair<QString, std::vector<int>> kIdentityBytes[] = {{area::Dtmf, {10, 11, 12, 13, 19}},
                                                               {area::FleetSync, {0, 1, 2, 3}}};

const QStringList &RadioBackupRun::IdentityKeys()
{
    static const QStringList keys = [] {
        QStringList k;
        for (const auto &identity : kIdentityKeys)
            k << QLatin1String(identity.second);
        return k;
    }();
    return keys;
}

std::vector<RadioBackupRun::Identity> RadioBackupRun::readIdentity() const
{
    std::vector<Identity> identity;
    for (const auto &[area, key] : kIdentityKeys)
        if (TSignallingForm *window = windowOf(area)) {
            SettingsValues values = window->Settings();
            if (const SettingsValue *v = valueOf(values, QLatin1String(key)))
                identity.push_back({area, QLatin1String(key), v->text});
        }
    return identity;
}

void RadioBackupRun::takeRadioIdentity()
{
    identity_ = readIdentity();
    for (const auto &[name, offsets] : kIdentityBytes)
        if (TSignallingForm *window = windowOf(name); window && !window->LastReadBlocks().empty())
            radioIdentity_[name] = window->LastReadBlocks()[0];
}

void RadioBackupRun::putIdentity()
{
    for (const Identity &id : identity_)
        if (TSignallingForm *window = windowOf(id.area); window && holdsArea(id.area)) {
            SettingsValues values = window->Settings();
            if (SettingsValue *v = valueOf(values, id.key))
                v->text = id.text;
            window->setSettings(values);
        }
}

QString RadioBackupRun::keptIdentityText() const
{
    QStringList kept;
    for (const Identity &id : identity_)
        kept << QStringLiteral("%1 %2").arg(id.key, id.text);
    if (kept.isEmpty())
        return QString();
    return (keepIdentity_ ? tr("\nThe radio kept its identity: %1.")
                          : tr("\nThe radio was given the identity %1."))
            .arg(kept.join(", "));
}

void RadioBackupRun::keepIdentityBytes(AreaBytes &bytes)
{
    // The radio's own bytes of its identity go into the file's blocks (or,
    // for a file of texts only, into the blocks its texts make): with the
    // texts they show, they go out byte for byte, whatever text can say.
    for (const auto &identityBytes : kIdentityBytes) {
        const QString &name = identityBytes.first;
        const std::vector<int> &offsets = identityBytes.second;
        const auto radio = radioIdentity_.find(name);
        TSignallingForm *window = windowOf(name);
        if (radio == radioIdentity_.end() || !window || !holdsArea(name))
            continue;
        const int at = static_cast<int>(std::find_if(areas_.begin(), areas_.end(),
                                                     [&name](const auto &a) { return a.first == name; })
                                        - areas_.begin()) + 1;
        while (bytes.size() <= at)
            bytes.push_back({});
        std::vector<Payload> &blocks = bytes[at];
        if (blocks.empty()) {
            window->TakeBaseline({});
            blocks = window->EncodeArea();
        }
        for (int offset : offsets)
            blocks[0][static_cast<size_t>(offset)] = radio->second[static_cast<size_t>(offset)];
    }
}

void RadioBackupRun::checkIdentityBytes() const
{
    for (const auto &[name, offsets] : kIdentityBytes) {
        const auto radio = radioIdentity_.find(name);
        TSignallingForm *window = windowOf(name);
        if (radio == radioIdentity_.end() || !window || !holdsArea(name))
            continue;
        const Payload written = window->EncodeArea().at(0);
        for (int offset : offsets)
            if (written[static_cast<size_t>(offset)] != radio->second[static_cast<size_t>(offset)])
                throw ELumoraError(tr("The radio's identity cannot be kept byte for byte: its %1 block 0, "
                                                  "d%2, holds 0x%3 and the restore would write 0x%4. Nothing was "
                                                  "written.")
                                           .arg(window->AreaName())
                                           .arg(offset)
                                           .arg(radio->second[static_cast<size_t>(offset)], 2, 16, QLatin1Char('0'))
                                           .arg(written[static_cast<size_t>(offset)], 2, 16, QLatin1Char('0')));
    }
}

} // namespace lumora
