#pragma once

#include <QByteArray>
#include <QString>

// The one 60-byte record of "system.ini". It keeps the record's bytes as read,
// so that a rewrite carries every byte the caller did not change, including
// the unused tails of the two names.
class SettingsRecord {
  public:
    static constexpr int kSize = 60;
    static constexpr int kNameCapacity = 25;

    SettingsRecord();                                          // all zero
    static SettingsRecord fromBytes(const QByteArray& bytes);  // first 60 bytes
    const QByteArray& bytes() const { return bytes_; }

    // The supplied defaults, used when the file has to be rebuilt.
    static SettingsRecord defaults();

    QString langFile() const;
    QByteArray langFileBytes() const;
    void setLangFile(const QString& name);  // cp1251, cut to 25 bytes
    QString skinFile() const;
    QByteArray skinFileBytes() const;
    void setSkinFile(const QString& name);
    qint32 hideDelay() const;
    void setHideDelay(qint32 seconds);
    bool restartFlag() const;
    void setRestartFlag(bool on);
    bool autoHide() const;
    void setAutoHide(bool on);
    bool noPullTab() const;
    void setNoPullTab(bool on);
    bool soundOff() const;
    void setSoundOff(bool on);

    // `skinFile` without its last four characters (the extension and its dot).
    QString skinName() const;

    bool operator==(const SettingsRecord& other) const { return bytes_ == other.bytes_; }

  private:
    QByteArray bytes_;
};
