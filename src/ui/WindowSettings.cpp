#include "WindowSettings.h"

#include "base/IntegerText.h"

#include <QSettings>
#include <QVariant>

namespace tarvex {

const std::array<TWindowSettingEntry, 17> WindowSettingTable = {{
    {"Width", 600, &TWindowSettings::Width, true},
    {"Heigth", 400, &TWindowSettings::Heigth, true},
    {"Left", 10, &TWindowSettings::Left, true},
    {"Top", 10, &TWindowSettings::Top, true},
    {"FileToolBarLeft", 11, &TWindowSettings::FileToolBarLeft, false},
    {"FileToolBarTop", 2, &TWindowSettings::FileToolBarTop, false},
    {"FileToolBarVisible", 1, &TWindowSettings::FileToolBarVisible, false},
    {"CommandsToolBarLeft", 11, &TWindowSettings::CommandsToolBarLeft, false},
    {"CommandsToolBarTop", 32, &TWindowSettings::CommandsToolBarTop, false},
    {"CommandsToolBarVisible", 1, &TWindowSettings::CommandsToolBarVisible, false},
    {"ObjectsTree", 120, &TWindowSettings::ObjectsTree, false},
    {"MenuStyles", 120, &TWindowSettings::MenuStyles, false},
    {"LeftPanel", 300, &TWindowSettings::LeftPanel, false},
    {"PreviewScreen", 0, &TWindowSettings::PreviewScreen, false},
    // Whether the Style template comes at start-up ("Show at start-up" in it).
    {"ShowStyleTemplate", 1, &TWindowSettings::ShowStyleTemplate, false},
    {"PublishOutput", 0, &TWindowSettings::PublishOutput, false},
    {"WinState", 2, &TWindowSettings::WinState, false},
}};

TWindowSettings TWindowSettings::Defaults() {
    TWindowSettings values;
    for (const TWindowSettingEntry& entry : WindowSettingTable) {
        values.*entry.Field = entry.Default;
    }
    return values;
}

bool TWindowSettingsStore::ParseDecimal(const QString& text, int& value) {
    // No "+": these values were only ever written by us, as plain decimal numbers.
    const std::optional<int32_t> number = ParseInt32(text.toStdString(), TPlusSign::Refused);
    if (number) {
        value = *number;
    }
    return number.has_value();
}

TWindowSettings TWindowSettingsStore::Read(QSettings& settings) {
    TWindowSettings values;
    settings.beginGroup(QLatin1String(Group));
    for (const TWindowSettingEntry& entry : WindowSettingTable) {
        const QVariant stored = settings.value(QLatin1String(entry.Name));
        int value = entry.Default;
        // Only text values count: a number stored under another type is not what we wrote.
        if (stored.typeId() == QMetaType::QString && ParseDecimal(stored.toString(), value)) {
            values.*entry.Field = value;
        } else {
            values.*entry.Field = entry.Default;
        }
    }
    settings.endGroup();
    return values;
}

std::vector<const TWindowSettingEntry*> TWindowSettingsStore::WriteOrder(bool normalState) {
    // "WinState" ends the table only so that reading applies it after the bounds; it is stored
    // right behind them.
    const TWindowSettingEntry* state = &WindowSettingTable.back();
    std::vector<const TWindowSettingEntry*> order;
    for (const TWindowSettingEntry& entry : WindowSettingTable) {
        if (entry.NormalBounds && normalState) {
            order.push_back(&entry);
        }
    }
    order.push_back(state);
    for (const TWindowSettingEntry& entry : WindowSettingTable) {
        if (!entry.NormalBounds && &entry != state) {
            order.push_back(&entry);
        }
    }
    return order;
}

void TWindowSettingsStore::Write(QSettings& settings, const TWindowSettings& values, bool normalState) {
    settings.beginGroup(QLatin1String(Group));
    for (const TWindowSettingEntry* entry : WriteOrder(normalState)) {
        settings.setValue(QLatin1String(entry->Name), QString::number(values.*entry->Field));
    }
    settings.endGroup();
    settings.sync();
}

} // namespace tarvex
