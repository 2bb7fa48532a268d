#pragma once

#include <QList>
#include <QString>
#include <optional>

// How a reminder repeats: never (an ordinary reminder, announced once), or on
// the days a rule picks, each at the reminder's time of day. Weekly repeats
// on the weekday of the day it was set for, monthly on that day of the month
// (the month's last day in a shorter month), yearly on that day of the year
// (29 February on 28 February in the other years).
enum class RepeatRule : quint8 { Never, Daily, Workdays, Weekly, Monthly, Yearly };

namespace repeatrule {

// The five rules that repeat, in the order the editor offers them.
const QList<RepeatRule>& repeating();

// The word the command line, the rule file and `list --json` use: "daily",
// "workdays", "weekly", "monthly", "yearly"; empty for Never.
QString keyword(RepeatRule rule);
// The rule of a keyword; nothing for any other word (and for the empty one).
std::optional<RepeatRule> fromKeyword(const QString& word);

// How the command line's list names the rule: "every day", "every working
// day", "every week", "every month", "every year"; empty for Never.
QString description(RepeatRule rule);

}  // namespace repeatrule
