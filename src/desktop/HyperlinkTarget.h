#pragma once

#include <QString>

// Which link a link label opens.
enum class THyperlinkLabelKind { hlWWW, hlEmail };

// The parts of an e-mail link; all optional but the address.
struct TEmailParams {
    QString Address;
    QString Name;
    QString CarbonCopy;
    QString BlindCarbonCopy;
    QString Subject;
    QString Message;
};

namespace hyperlink {

// "mailto:Name<Address>", then "?" and "&" between the non-empty parts
// Subject=, CC=, BCC= and Body=, in that order. Values go in unchanged.
QString mailtoText(const TEmailParams& email);

// `url` with "http://" put in front unless it already begins with exactly
// that (case counts); the caller keeps the result, so the prefix goes on once.
QString webAddress(const QString& url);

}  // namespace hyperlink
