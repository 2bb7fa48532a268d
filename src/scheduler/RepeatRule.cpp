#include "scheduler/RepeatRule.h"

namespace repeatrule {

namespace {
struct Names {
    RepeatRule rule;
    const char* keyword;
    const char* description;
};
constexpr Names kNames[] = {
    {RepeatRule::Daily, "daily", "every day"},
    {RepeatRule::Workdays, "workdays", "every working day"},
    {RepeatRule::Weekly, "weekly", "every week"},
    {RepeatRule::Monthly, "monthly", "every month"},
    {RepeatRule::Yearly, "yearly", "every year"},
};
}  // namespace

const QList<RepeatRule>& repeating() {
    static const QList<RepeatRule> rules{RepeatRule::Daily, RepeatRule::Workdays,
                                         RepeatRule::Weekly, RepeatRule::Monthly,
                                         RepeatRule::Yearly};
    return rules;
}

QString keyword(RepeatRule rule) {
    for (const Names& names : kNames) {
        if (names.rule == rule) {
            return QLatin1String(names.keyword);
        }
    }
    return {};
}

std::optional<RepeatRule> fromKeyword(const QString& word) {
    for (const Names& names : kNames) {
        if (word == QLatin1String(names.keyword)) {
            return names.rule;
        }
    }
    return std::nullopt;
}

QString description(RepeatRule rule) {
    for (const Names& names : kNames) {
        if (names.rule == rule) {
            return QLatin1String(names.description);
        }
    }
    return {};
}

}  // namespace repeatrule
