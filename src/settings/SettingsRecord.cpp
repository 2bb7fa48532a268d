#include "settings/SettingsRecord.h"

#include "settings/Cp1251.h"
#include "settings/RecordBytes.h"
#include "texts/FileTexts.h"

namespace {
constexpr int kLangFile = 0;
constexpr int kSkinFile = 26;
constexpr int kHideDelay = 52;
constexpr int kRestartFlag = 56;
constexpr int kAutoHide = 57;
constexpr int kNoPullTab = 58;
constexpr int kSoundOff = 59;
}  // namespace

SettingsRecord::SettingsRecord() : bytes_(kSize, '\0') {}

SettingsRecord SettingsRecord::fromBytes(const QByteArray& bytes) {
    SettingsRecord rec;
    rec.bytes_ = bytes.left(kSize);
    rec.bytes_.resize(kSize, '\0');
    return rec;
}

SettingsRecord SettingsRecord::defaults() {
    SettingsRecord rec;
    rec.setLangFile(filetexts::russianLanguageFile());
    rec.setSkinFile(QStringLiteral("Classic.skn"));
    rec.setHideDelay(5);
    rec.setAutoHide(true);
    return rec;
}

QString SettingsRecord::langFile() const {
    return cp1251::decode(langFileBytes());
}
QByteArray SettingsRecord::langFileBytes() const {
    return record::shortString(bytes_, kLangFile, kNameCapacity);
}
void SettingsRecord::setLangFile(const QString& name) {
    record::setShortString(bytes_, kLangFile, kNameCapacity, cp1251::encode(name));
}

QString SettingsRecord::skinFile() const {
    return cp1251::decode(skinFileBytes());
}
QByteArray SettingsRecord::skinFileBytes() const {
    return record::shortString(bytes_, kSkinFile, kNameCapacity);
}
void SettingsRecord::setSkinFile(const QString& name) {
    record::setShortString(bytes_, kSkinFile, kNameCapacity, cp1251::encode(name));
}

qint32 SettingsRecord::hideDelay() const {
    return record::int32(bytes_, kHideDelay);
}
void SettingsRecord::setHideDelay(qint32 seconds) {
    record::setInt32(bytes_, kHideDelay, seconds);
}
bool SettingsRecord::restartFlag() const {
    return record::boolean(bytes_, kRestartFlag);
}
void SettingsRecord::setRestartFlag(bool on) {
    record::setBoolean(bytes_, kRestartFlag, on);
}
bool SettingsRecord::autoHide() const {
    return record::boolean(bytes_, kAutoHide);
}
void SettingsRecord::setAutoHide(bool on) {
    record::setBoolean(bytes_, kAutoHide, on);
}
bool SettingsRecord::noPullTab() const {
    return record::boolean(bytes_, kNoPullTab);
}
void SettingsRecord::setNoPullTab(bool on) {
    record::setBoolean(bytes_, kNoPullTab, on);
}
bool SettingsRecord::soundOff() const {
    return record::boolean(bytes_, kSoundOff);
}
void SettingsRecord::setSoundOff(bool on) {
    record::setBoolean(bytes_, kSoundOff, on);
}

QString SettingsRecord::skinName() const {
    const QString name = skinFile();
    return name.left(qMax(0, int(name.size()) - 4));
}
