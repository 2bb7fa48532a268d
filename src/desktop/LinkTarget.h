#pragma once

#include <QString>

// Which link a link label opens.
enum class LinkKind { Web, Mail };

// The parts of an e-mail link; all optional but the address.
struct MailLink {
    QString address;
    QString name;
    QString carbonCopy;
    QString blindCarbonCopy;
    QString subject;
    QString message;
};

namespace hyperlink {

// "mailto:Name<Address>", then "?" and "&" between the non-empty parts
// Subject=, CC=, BCC= and Body=, in that order. Values go in unchanged.
QString mailtoText(const MailLink& email);

// `url` with "http://" put in front unless it already begins with exactly
// that (case counts); the caller keeps the result, so the prefix goes on once.
QString webAddress(const QString& url);

}  // namespace hyperlink
