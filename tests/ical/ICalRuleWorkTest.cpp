#include <gtest/gtest.h>

#include <libical/ical.h>

#include <cstdlib>

#include "ical/ICalRuleWork.h"

// Rules as calendar programs write them are followed, and libical finds
// their first time at once; rules that name no time at all, which would keep
// libical searching month by month up to the year 20000, are told from them
// without libical.
TEST(ICalRuleWork, RulesThatNameNoTimeAreToldBeforeLibicalSearches) {
    using Verdict = ICalRuleWork::Verdict;
    struct Case {
        const char* rule;
        const char* start;
        Verdict verdict;
    };
    const Case cases[] = {
        {"FREQ=MONTHLY;BYDAY=-1FR", "20270129T090000", Verdict::Follow},
        {"FREQ=MONTHLY;BYDAY=MO,TU,WE,TH,FR;BYSETPOS=-1", "20270129T090000", Verdict::Follow},
        {"FREQ=MONTHLY;BYMONTHDAY=31", "20270131T090000", Verdict::Follow},
        {"FREQ=MONTHLY;BYDAY=FR;BYMONTHDAY=13", "20270813T090000", Verdict::Follow},
        {"FREQ=MONTHLY;INTERVAL=2;BYMONTH=1,3", "20270101T090000", Verdict::Follow},
        {"FREQ=MONTHLY;BYMONTH=2;BYDAY=5MO", "20160229T090000", Verdict::Follow},
        {"FREQ=YEARLY;BYMONTH=2;BYMONTHDAY=29", "20280229T090000", Verdict::Follow},
        {"FREQ=YEARLY;INTERVAL=100;BYMONTH=2;BYMONTHDAY=29", "20000229T090000", Verdict::Follow},
        {"FREQ=YEARLY;BYDAY=-1SU;BYMONTH=10", "19701025T030000", Verdict::Follow},
        {"FREQ=YEARLY;BYYEARDAY=366", "20281231T090000", Verdict::Follow},
        {"FREQ=YEARLY;BYDAY=20MO", "20270517T090000", Verdict::Follow},
        {"FREQ=YEARLY;BYWEEKNO=53;BYDAY=TH", "20261231T090000", Verdict::Follow},
        {"FREQ=SECONDLY;BYMONTH=2;BYMONTHDAY=28", "20270228T090000", Verdict::Follow},
        {"FREQ=MONTHLY;BYMONTH=2;BYMONTHDAY=30", "20270101T090000", Verdict::Never},
        {"FREQ=MONTHLY;BYDAY=MO,TU,WE,TH,FR,SA,SU;BYSETPOS=40", "20270101T090000", Verdict::Never},
        {"FREQ=MONTHLY;INTERVAL=12;BYMONTH=3", "20260201T090000", Verdict::Never},
        {"FREQ=MONTHLY;BYDAY=5MO;BYMONTHDAY=1", "20270101T090000", Verdict::Never},
        {"FREQ=YEARLY;INTERVAL=4;BYMONTH=2;BYMONTHDAY=29", "20250101T090000", Verdict::Never},
        {"FREQ=YEARLY;BYMONTH=4;BYMONTHDAY=31", "20270101T090000", Verdict::Never},
        {"FREQ=YEARLY;BYYEARDAY=367", "20270101T090000", Verdict::Never},
        {"FREQ=YEARLY;BYWEEKNO=20;BYDAY=2MO", "20270101T090000", Verdict::Unfollowable},
        {"RSCALE=HEBREW;FREQ=YEARLY", "20270101T090000", Verdict::Unfollowable},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rule);
        icalrecurrencetype rule = icalrecurrencetype_from_string(c.rule);
        const icaltimetype start = icaltime_from_string(c.start);
        ASSERT_NE(rule.freq, ICAL_NO_RECURRENCE);
        const ICalRuleWork work(rule, start);
        EXPECT_EQ(work.verdict(), c.verdict);
        EXPECT_EQ(work.reason().isEmpty(), c.verdict != Verdict::Unfollowable);
        if (c.verdict == Verdict::Follow) {
            icalrecur_iterator* steps = icalrecur_iterator_new(rule, start);
            ASSERT_NE(steps, nullptr);
            const icaltimetype first = icalrecur_iterator_next(steps);
            EXPECT_FALSE(icaltime_is_null_time(first));
            EXPECT_LT(first.year, 2500);
            icalrecur_iterator_free(steps);
        }
        std::free(rule.rscale);
    }
}
