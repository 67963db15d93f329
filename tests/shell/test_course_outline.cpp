#include "shell/course_outline.h"
#include "shell/progress.h"
#include "support/core_test_support.h"

#include <QtEndian>

#include <gtest/gtest.h>

namespace {

TEST(CalcCRC, SumsTheWeightedBytesOfTheName)
{
    const struct {
        QByteArray name;
        int crc;
    } cases[] = {
        {"abc", 122179},
        {"NONAME", 199792},
        {"", 0},
        // Longer than the table: both indexes go round again.
        {"Anna-Maria Beatrix Konstantinopoulou", 1638080},
        {QByteArray(2047, '\xFF'), 95267554},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name.left(40).toStdString());
        EXPECT_EQ(CalcCRC(c.name), c.crc);
    }
}

TEST(CourseOutline, ShipsSevenChaptersWithTheLessonsOfThisEdition)
{
    const QList<OutlineNode> outline = courseOutline();
    const struct {
        const char *code;
        QStringList lessons;
    } chapters[] = {
        {"T010", {"T011", "T012", "T013", "T014", "T015", "T016", "T017", "T018"}},
        {"T020", {"T021", "T022", "T023", "T024", "T025", "T026", "T027", "T028", "T029", "T0210", "T0211"}},
        {"T030", {"T031", "T032", "T033", "T034", "T035", "T036", "T037", "T038"}},
        {"T040", {"T041", "T042", "T043", "T044", "T045", "T046", "T047", "T048", "T049", "T0410", "T0411"}},
        {"T050", {"T051", "T052", "T053", "T054", "T055", "T056", "T057", "T058", "T059"}},
        {"T060", {"T061", "T062", "T063", "T064", "T065", "T066", "T067"}},
        {"T070", {"T071", "T072", "T073", "T074", "T075", "T076", "T077", "T078", "T079", "T0710",
                  "T0711", "T0712", "T0713"}},
    };
    ASSERT_EQ(outline.size(), 7);
    for (int c = 0; c < 7; ++c) {
        SCOPED_TRACE(chapters[c].code);
        EXPECT_EQ(outline[c].code, chapters[c].code);
        ASSERT_EQ(outline[c].children.size(), chapters[c].lessons.size());
        for (int l = 0; l < outline[c].children.size(); ++l) {
            const OutlineNode &lesson = outline[c].children[l];
            EXPECT_EQ(QString::fromLatin1(lesson.code), chapters[c].lessons[l]);
            EXPECT_EQ(lesson.pageIndex, c == 4 ? l + 1 : -1);
            EXPECT_TRUE(lesson.children.isEmpty());
        }
    }
}

QByteArray int32(qint32 v)
{
    QByteArray b(4, '\0');
    qToLittleEndian(v, b.data());
    return b;
}

TEST(CourseOutline, ADamagedStreamIsAnErrorNeverACrash)
{
    const QByteArray good = writeOutlineStream({{"T050", 1, {{"T051", 1, {}}}}});
    ASSERT_TRUE(readOutlineStream(good).has_value());

    QByteArray wrongLength = good;
    wrongLength.replace(4, 4, int32(99));
    QByteArray hugeChildren = good;
    hugeChildren.replace(4 + 24, 4, int32(0x7FFFFFFF));
    QByteArray negativeChildren = good;
    negativeChildren.replace(4 + 24, 4, int32(-1));
    QByteArray longText = good;
    longText[4 + 28] = char(200);

    // One node nested in the next, far deeper than any outline.
    QByteArray deep = int32(1);
    for (int i = 0; i < 10000; ++i)
        deep += int32(26) + int32(0) + int32(0) + int32(1) + int32(-1) + int32(0) + int32(1) + char(1) + 'X';

    const struct {
        const char *name;
        QByteArray data;
    } cases[] = {
        {"empty", {}},
        {"truncated count", good.left(2)},
        {"truncated record", good.left(20)},
        {"truncated text", good.left(good.size() - 2)},
        {"record length not matching its text", wrongLength},
        {"child count beyond the data", hugeChildren},
        {"negative child count", negativeChildren},
        {"text running past the end", longText},
        {"negative node count", int32(-5)},
        {"bytes after the last node", good + "x"},
        {"nesting without end", deep},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QString error;
        EXPECT_FALSE(readOutlineStream(c.data, &error).has_value());
        EXPECT_TRUE(error.startsWith("Damaged course outline")) << error.toStdString();
    }
}

// A small outline: two chapters, the second with lessons that have pages.
QList<OutlineNode> smallOutline()
{
    return {{"T040", 1, {{"T041", -1, {}}, {"T042", -1, {}}}},
            {"T050", 1, {{"T051", 1, {}}, {"T052", 2, {}}, {"T053", 3, {}}}}};
}

QStringList describe(const ContentsTree &tree)
{
    QStringList out;
    for (const ContentsEntry &e : tree.entries)
        out << QStringLiteral("%1/%2/%3/%4").arg(e.text).arg(e.icon).arg(e.pageIndex).arg(e.parent);
    return out;
}

TEST(ContentsTree, ListsEnabledEntriesWithTheirIconsAndParents)
{
    const auto name = [](const QByteArray &code) { return QString::fromLatin1(code); };
    const auto all = [](const QByteArray &) { return true; };
    const struct {
        const char *name;
        std::function<bool(const QByteArray &)> enabled;
        int maxIndex;
        int page;
        QStringList entries;  // text/icon/page index/parent
        int preselect;
    } cases[] = {
        {"nothing completed yet", all, 1, 1,
         {"T040/0/0/-1", "T041/2/-1/0", "T042/2/-1/0", "T050/0/0/-1", "T051/2/1/3", "T052/2/2/3",
          "T053/2/3/3"},
         4},
        {"pages below the furthest one are completed", all, 3, 2,
         {"T040/0/0/-1", "T041/2/-1/0", "T042/2/-1/0", "T050/0/0/-1", "T051/3/1/3", "T052/3/2/3",
          "T053/2/3/3"},
         5},
        {"title page: nothing to pre-select", all, 9, 0,
         {"T040/0/0/-1", "T041/2/-1/0", "T042/2/-1/0", "T050/0/0/-1", "T051/3/1/3", "T052/3/2/3",
          "T053/3/3/3"},
         -1},
        {"a left-out chapter's lessons hang under the chapter before",
         [](const QByteArray &c) { return c != "T050" && c != "T052"; }, 3, 3,
         {"T040/0/0/-1", "T041/2/-1/0", "T042/2/-1/0", "T051/3/1/0", "T053/2/3/0"}, 4},
        {"with no chapter listed before them, lessons are top-level",
         [](const QByteArray &c) { return !c.endsWith('0'); }, 3, 1,
         {"T041/2/-1/-1", "T042/2/-1/-1", "T051/3/1/-1", "T052/3/2/-1", "T053/2/3/-1"}, 2},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const ContentsTree tree = buildContentsTree(smallOutline(), c.enabled, name, c.maxIndex, c.page);
        EXPECT_EQ(describe(tree), c.entries);
        EXPECT_EQ(tree.preselect, c.preselect);
    }
}

}  // namespace
