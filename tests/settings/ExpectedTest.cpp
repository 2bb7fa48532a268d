#include <gtest/gtest.h>

#include "settings/Expected.h"

// A failure is told by its kind, never by its message: an operation whose
// reason is empty (a reader that gave none) has still failed.
TEST(Expected, AFailureStaysOneWhateverItsMessage) {
    const struct {
        const char* what;
        Expected<int> result;
        Expected<void> done;
        bool ok;
        QString error;
    } rows[] = {
        {"a value", 7, {}, true, QString()},
        {"a failure with its reason", Failure{QStringLiteral("no")}, Failure{QStringLiteral("no")},
         false, QStringLiteral("no")},
        {"a failure without a reason", Failure{}, Failure{}, false, QString()},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(row.result.ok(), row.ok);
        EXPECT_EQ(bool(row.result), row.ok);
        EXPECT_EQ(row.result.error(), row.error);
        EXPECT_EQ(row.done.ok(), row.ok);
        EXPECT_EQ(bool(row.done), row.ok);
        EXPECT_EQ(row.done.error(), row.error);
        if (row.ok) {
            EXPECT_EQ(*row.result, 7);
        }
    }
}
