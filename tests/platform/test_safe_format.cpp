#include "platform/safe_format.h"

#include <gtest/gtest.h>

namespace {

struct GoodCase {
    const char *format;
    QList<FormatArg> args;
    const char *expected;
};

TEST(SafeFormat, FormatsMatchingDirectives)
{
    const GoodCase cases[] = {
        {"Starting in %d seconds", {29}, "Starting in 29 seconds"},
        {"%d", {0}, "0"},
        {"%d%%", {50}, "50%"},
        {"100%% done", {}, "100% done"},
        {"You completed %s!", {QStringLiteral("Wordpad")}, "You completed Wordpad!"},
        {"%s: %d", {QStringLiteral("T"), -3}, "T: -3"},
        {"[%3d]", {7}, "[  7]"},
        {"[%-3d]", {7}, "[7  ]"},
        {"[%.3d]", {7}, "[007]"},
        {"[%.2s]", {QStringLiteral("abc")}, "[ab]"},
        {"%D and %S", {1, QStringLiteral("x")}, "1 and x"},
        {"no directives", {}, "no directives"},
    };
    for (const GoodCase &c : cases) {
        SCOPED_TRACE(c.format);
        EXPECT_EQ(safeFormat(QString::fromUtf8(c.format), c.args), QString::fromUtf8(c.expected));
        EXPECT_TRUE(formatProblem(QString::fromUtf8(c.format), c.args).isEmpty());
    }
}

struct BadCase {
    const char *format;
    QList<FormatArg> args;
    const char *problem;  // part of the message
};

TEST(SafeFormat, ReportsDirectivesThatDoNotFitTheArguments)
{
    const BadCase cases[] = {
        {"%d seconds", {}, "has no argument"},
        {"%s", {29}, "wants a text"},
        {"%d", {QStringLiteral("x")}, "wants a number"},
        {"%d %d", {1}, "directive 2 has no argument"},
        {"%x", {1}, "unknown directive \"%x\""},
        {"%n", {1}, "unknown directive"},
        {"50%", {}, "at the end"},
        {"no number", {5}, "left unused"},
        {"%999999999d", {1}, "above 255"},
    };
    for (const BadCase &c : cases) {
        SCOPED_TRACE(c.format);
        const QString format = QString::fromUtf8(c.format);
        try {
            safeFormat(format, c.args);
            ADD_FAILURE() << "no error";
        } catch (const FormatError &e) {
            const QString msg = QString::fromStdString(e.what());
            EXPECT_TRUE(msg.contains(format)) << e.what();
            EXPECT_TRUE(msg.contains(QString::fromUtf8(c.problem))) << e.what();
        }
        EXPECT_FALSE(formatProblem(format, c.args).isEmpty());
    }
}

// The message names the whole format text also where it is read as a C
// string: a NUL in it shows as "\0".
TEST(SafeFormat, TheMessageShowsANulInTheFormatText)
{
    const struct {
        QStringView format;
        const char *message;
    } cases[] = {
        {QStringView(u"\0%", 2), "Format \"\\0%\" does not fit its arguments: a \"%\" at the end"},
        {QStringView(u"a%\0b", 4), "Format \"a%\\0b\" does not fit its arguments: unknown directive \"%\\0\""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.message);
        try {
            safeFormat(c.format, {});
            ADD_FAILURE() << "no error";
        } catch (const FormatError &e) {
            EXPECT_STREQ(e.what(), c.message);
        }
        EXPECT_EQ(formatProblem(c.format, {}), QString::fromUtf8(c.message));
    }
}

}  // namespace
