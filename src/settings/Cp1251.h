#pragma once

#include <QByteArray>
#include <QString>

// Every text the program stores (records, language and holiday files) is in
// code page 1251; these are the only conversions between it and QString.
namespace cp1251 {

QString decode(QByteArrayView bytes);
// The one character a byte stands for; decode gives these one by one.
char16_t decodeByte(char byte);

// Characters that code page 1251 cannot hold become '?'.
QByteArray encode(const QString& text);

bool canEncode(const QString& text);

// The distinct characters of text that code page 1251 cannot hold, in order
// of first appearance; empty when the whole text can be stored.
QString unencodable(const QString& text);

}  // namespace cp1251
