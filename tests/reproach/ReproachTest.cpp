#include "reproach/Reproach.h"
#include "units/Qemet.h"
#include "win/Afx.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace NVorel;

namespace {

const CReproach::ERType kError = CReproach::ER_ERROR, kWarning = CReproach::ER_WARNING, kInfo = CReproach::ER_INFO;

const winres::StringResource kHostStrings[] = {
    {100, L"Bar %s too short: %s"}, {101, L"first line\nsecond line"},
    {102, L"Spacing %s"},           {103, L"100%% used by %s"},
    {104, L"50% and 100%% stay"},   {105, L"ends with a break\n"},
    {106, L"[%5s|%-4s|%.2s]"},      {107, L"%d%% of %s"},
};
const winres::ResourceTable kHostTable{kHostStrings, {}, {}, {}};

// All lines as "kind:text", one per line.
std::string dumpOf(const CStringArray& lines, const std::vector<CReproach::ERType>& kinds)
{
    std::ostringstream out;
    EXPECT_EQ((size_t)lines.GetSize(), kinds.size());
    for (INT_PTR i = 0; i < lines.GetSize() && (size_t)i < kinds.size(); ++i)
        out << (int)kinds[(size_t)i] << ":" << toUtf8(lines[i].str()) << "\n";
    return out.str();
}

std::string dump(const CReproach& r)
{
    CStringArray lines;
    std::vector<CReproach::ERType> kinds;
    r.add2dlg(&lines, &kinds, true);
    return dumpOf(lines, kinds);
}

// The host's own string table is the current resource handle, as in a host
// that has not switched to a language module.
class Reproach : public ::testing::Test {
protected:
    void SetUp() override
    {
        AfxSetResourceHandle(platform::RegisterApplicationModule(&kHostTable));
        qemet::Qemet::SetUnitSystem(qemet::US_METRIC);
    }
    void TearDown() override { qemet::Qemet::SetUnitSystem(qemet::US_METRIC); }
};

} // namespace

TEST_F(Reproach, TemplatesTakeTheirArgumentsAndSplitIntoLines)
{
    wchar_t name[] = L"B1";
    CReproach r;
    r.add(kError, 100).arg(3).arg(L"wall W2");
    r.add(kWarning, 102).arg(0.15, qemet::QT_BAR_SPACING);
    r.add(kInfo, CString(L"%s|%s")).arg(0.012, qemet::QT_BAR_DIAMETER).arg(0.0020943951, qemet::QT_REINF_AREA);
    r.add(kInfo, 102).arg(name);    // kept as a pointer
    r.add(kInfo, 103).arg(L"slab"); // "%%" with arguments is one percent sign
    r.add(kInfo, 104);              // without arguments the template stays as it is
    r.add(kInfo, 107).arg(L"x");    // "%d" takes no argument
    r.add(kInfo, 106).arg(L"ab").arg(L"c").arg(L"xyz");
    r.add(kError, 101);
    r.add(kWarning, 105);
    r.add(kError, CString(L"\n\nx\r\ny"));
    r.add(kInfo, 999); // no such string
    name[1] = L'7';
    EXPECT_EQ(dump(r), "1:Bar 3 too short: wall W2\n"
                       "2:Spacing 15.0 cm\n"
                       "3:12.0 mm|20.94 cm\u00b2/m\n"
                       "3:Spacing B7\n"
                       "3:100% used by slab\n"
                       "3:50% and 100%% stay\n"
                       "3:%d% of x\n"
                       "3:[   ab|c   |xy]\n"
                       "1:first line\n1:second line\n"
                       "2:ends with a break\n2:\n"
                       "1:\n1:\n1:x\r\n1:y\n"
                       "3:\n");
    EXPECT_EQ(r.size(), 12);
    EXPECT_EQ(r.size(kError), 3);

    // A quantity follows the display unit of the moment of rendering.
    CReproach q;
    q.add(kInfo, 102).arg(0.0254 * 6, qemet::QT_BAR_SPACING);
    qemet::Qemet::SetUnitSystem(qemet::US_IMPERIAL);
    EXPECT_EQ(dump(q), "3:Spacing 6.00 in\n");
}

TEST_F(Reproach, RenderingAllReplacesTheLinesAndOtherwiseAppendsTheLatest)
{
    CReproach r;
    CStringArray lines;
    lines.Add(L"before");
    std::vector<CReproach::ERType> kinds{kInfo};
    r.add2dlg(&lines, &kinds, false); // nothing yet
    r.add2dlg(&lines, nullptr, true); // a missing output: nothing happens
    r.add(kInfo, CString(L"one"));
    r.add(kError, 100).arg(L"a").arg(L"b");
    r.add2dlg(&lines, &kinds, false);
    EXPECT_EQ(dumpOf(lines, kinds), "3:before\n1:Bar a too short: b\n");
    r.add2dlg(&lines, &kinds, true);
    EXPECT_EQ(dumpOf(lines, kinds), "3:one\n1:Bar a too short: b\n");
}

TEST_F(Reproach, AddOnceSkipsAnEqualMessageAndDiscardsItsArguments)
{
    CReproach r;
    r.add(kError, 102).arg(L"a");
    r.add(kError, 102).arg(L"b");
    r.addOnce(kError, 102).arg(L"discarded");
    r.addOnce(kWarning, 102).arg(L"c"); // other kind: added
    r.addOnce(kInfo, CString(L"Text")).arg(L"x");
    r.addOnce(kInfo, CString(L"Text")).arg(L"y");
    r.addOnce(kInfo, CString(L"text"));    // case counts
    r.addOnce(kWarning, CString(L"Text")); // kind counts
    r.addOnce(kWarning, CString());        // messages by id carry an empty text
    EXPECT_EQ(dump(r), "1:Spacing a\n1:Spacing b\n2:Spacing c\n3:Text\n3:text\n2:Text\n");
}

TEST_F(Reproach, RemoveAllKeepsTheOtherMessagesWithTheirArguments)
{
    CReproach r;
    r.add(kInfo, 102).arg(L"s1");
    r.add(kError, 100).arg(1).arg(L"gone");
    r.add(kError, CString(L"text %s")).arg(L"t");
    r.add(kWarning, 100).arg(2).arg(L"gone too");
    r.add(kInfo, 103).arg(L"u");
    r.removeAll(100);
    EXPECT_EQ(dump(r), "3:Spacing s1\n1:text t\n3:100% used by u\n");
    r.removeAll(0);                // the text messages
    r.add(kInfo, 102).arg(L"new"); // arguments still line up after removals
    EXPECT_EQ(dump(r), "3:Spacing s1\n3:100% used by u\n3:Spacing new\n");
}

TEST_F(Reproach, MismatchedArgumentsNullTextsAndStrayArgumentsAreHarmless)
{
    CReproach r;
    CReproachArg keep = r.add(kInfo, 100).arg(L"only one"); // two "%s", one argument
    r.add(kInfo, 102).arg(L"x").arg(L"extra").arg(5);       // one "%s", three
    r.add(kInfo, 103).arg((const wchar_t*)nullptr);
    r.add(kWarning, 102);
    keep.arg(L"late"); // goes to the latest message
    EXPECT_EQ(dump(r), "3:Bar only one too short: \n3:Spacing x\n3:100% used by "
                       "\n2:Spacing late\n");

    CReproach other;
    other.add(kInfo, 102);
    keep = other.addOnce(kInfo, 102); // an inert builder
    keep.arg(L"nowhere");
    EXPECT_EQ(dump(other), "3:Spacing %s\n");

    r.clear();
    EXPECT_EQ(r.size(), 0);
    keep = r.add(kError, 100);
    r.removeAll(100);
    keep.arg(L"stray").arg(4).arg(1.0, qemet::QT_LENGTH); // nothing to attach to
    r.add(kError, 100).arg(L"a").arg(L"b");
    EXPECT_EQ(dump(r), "1:Bar a too short: b\n");
}

TEST_F(Reproach, CopiesCarryTheMessagesAndGrowApart)
{
    CReproach r;
    r.add(kError, 100).arg(1).arg(L"x");
    CReproach copy(r), assigned;
    copy.add(kInfo, 102).arg(L"copy only");
    assigned.add(kWarning, CString(L"replaced"));
    assigned = copy;
    r.clear();
    EXPECT_EQ(dump(copy), "1:Bar 1 too short: x\n3:Spacing copy only\n");
    EXPECT_EQ(dump(assigned), dump(copy));
    assigned = assigned;
    EXPECT_EQ(assigned.size(), 2);
}
