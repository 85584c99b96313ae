#include "tests/support/WatchedParse.h"
#include "reportmodel/Parameters.h"
#include <gtest/gtest.h>

namespace {

const char kCaption[] = "Parameters parsing error";

// Parses the text and returns the boxes it showed.
std::vector<RecordedBox> ParseBoxes(CParameters& parameters, const char* text, bool expectedResult,
                                    const char* description = "Test report")
{
    const WatchedParse parse = WatchParse([&] { return parameters.Parse(text, description); });
    EXPECT_EQ(expectedResult, parse.parsed) << text;
    return parse.boxes;
}

std::string ParseError(const char* text)
{
    CParameters parameters;
    const std::vector<RecordedBox> boxes = ParseBoxes(parameters, text, false);
    if (boxes.size() != 1)
        return "boxes shown: " + std::to_string(boxes.size());
    EXPECT_EQ(kCaption, boxes[0].caption) << text;
    return boxes[0].text;
}

std::string InvalidParameterText(const char* name, const char* report)
{
    return std::string("In the Report with Description \"") + report + "\",\n\nthe parameter named  \"" + name
        + "\"\n\ndoes not match any valid built-in parameter ";
}

}

TEST(Parameters, DependencyListsSetMasters)
{
    CParameters parameters;
    ASSERT_TRUE(ParseBoxes(parameters, "USER [PROJECT STREAM\n\tACTIVITY] ] KVTIME", true).empty());
    ASSERT_EQ(5, parameters.GetCount());
    EXPECT_EQ(nullptr, parameters.GetAt(0)->GetMaster());
    EXPECT_EQ(nullptr, parameters.GetAt(1)->GetMaster());
    EXPECT_EQ(parameters.GetAt(1), parameters.GetAt(2)->GetMaster());
    EXPECT_EQ(parameters.GetAt(1), parameters.GetAt(3)->GetMaster());
    EXPECT_EQ(nullptr, parameters.GetAt(4)->GetMaster());
    EXPECT_EQ(nullptr, parameters.GetAt(5));
    EXPECT_EQ(parameters.GetAt(2), parameters.FindByName("stream"));
    EXPECT_EQ(nullptr, parameters.FindByName("LOOKIN"));
}

TEST(Parameters, ScopeDependentParametersFollowTheFirstScope)
{
    CParameters parameters;
    ASSERT_TRUE(ParseBoxes(parameters, "[USER LABEL] LOOKIN STREAM BRANCH", true).empty());
    CParameter* lookin = parameters.GetAt(2);
    EXPECT_EQ(lookin, parameters.FindScopeParameter());
    EXPECT_EQ(lookin, parameters.GetAt(1)->GetMaster());
    EXPECT_EQ(lookin, parameters.GetAt(4)->GetMaster());
    EXPECT_EQ(nullptr, parameters.GetAt(3)->GetMaster());

    CParameters withoutScope;
    ASSERT_TRUE(ParseBoxes(withoutScope, "[USER LABEL]", true).empty());
    EXPECT_EQ(nullptr, withoutScope.FindScopeParameter());
    EXPECT_EQ(nullptr, withoutScope.GetAt(1)->GetMaster());
}

TEST(Parameters, UnknownKeywordsAreShownAndKept)
{
    CParameters parameters;
    const std::vector<RecordedBox> boxes = ParseBoxes(parameters, "lookin LOOKIN FOO_1", true, "Changes since");
    ASSERT_EQ(2u, boxes.size());
    EXPECT_EQ("Invalid Parameter", boxes[0].caption);
    EXPECT_EQ(InvalidParameterText("lookin", "Changes since"), boxes[0].text);
    EXPECT_EQ("Invalid Parameter", boxes[1].caption);
    EXPECT_EQ(InvalidParameterText("FOO_1", "Changes since"), boxes[1].text);
    ASSERT_EQ(3, parameters.GetCount());
    EXPECT_FALSE(parameters.GetAt(0)->IsValid());
    EXPECT_TRUE(parameters.GetAt(1)->IsValid());
    EXPECT_FALSE(parameters.GetAt(2)->IsValid());
}

TEST(Parameters, MalformedTextsFail)
{
    EXPECT_EQ("Error: Nested dependency lists are not allowed", ParseError("[LOOKIN [STREAM]]"));
    EXPECT_EQ("Error: Dependency list was left open\n", ParseError("[LOOKIN STREAM"));
    EXPECT_EQ("Error: Attributes specified with no associated parameter", ParseError("(a) LOOKIN"));
    EXPECT_EQ("Error: Attributes specified with no associated parameter", ParseError("LOOKIN(a)(b)"));
    EXPECT_EQ("Error: Attribute list was left open", ParseError("LOOKIN(a"));
    EXPECT_EQ("Error: Attribute list was left open", ParseError("LOOKIN( \t"));
    EXPECT_EQ("Error: Nested attribute lists are not allowed", ParseError("LOOKIN(a(b))"));
    EXPECT_EQ("Unexpected character at position 0 (_) encountered during parse", ParseError("_LOOKIN"));
    EXPECT_EQ("Unexpected character at position 7 (1) encountered during parse", ParseError("LOOKIN 1"));
}

TEST(Parameters, AcceptedOddities)
{
    const char* const texts[] = {"] LOOKIN", "LOOKIN() (any, attributes)", "LOOKIN ()", "", "[] LOOKIN"};
    for (const char* text : texts) {
        CParameters parameters;
        EXPECT_TRUE(ParseBoxes(parameters, text, true).empty()) << text;
    }
    CParameters afterEmptyList;
    ParseBoxes(afterEmptyList, "[] PROJECT STREAM", true);
    EXPECT_EQ(nullptr, afterEmptyList.GetAt(1)->GetMaster());
}

TEST(Parameters, ArgumentsCarryTheChangedValues)
{
    CParameters parameters;
    ASSERT_TRUE(ParseBoxes(parameters, "LOOKIN USER KVTIME", true).empty());
    EXPECT_FALSE(parameters.IsAnyModified());
    EXPECT_STREQ("", parameters.GetArguments());

    parameters.GetAt(0)->GetElement(1)->SetText("C:\\views\\main \\\"x\\\"");
    parameters.GetAt(2)->GetElement(1)->SetText("07-Dec-26.23:30");
    EXPECT_TRUE(parameters.IsAnyModified());
    EXPECT_STREQ("LOOKIN=\\\"C:\\views\\main \\\"x\\\"\\\"; KVTIME=\\\"07-Dec-26.23:30\\\"; ",
                 parameters.GetArguments());

    parameters.ResetModified();
    EXPECT_FALSE(parameters.IsAnyModified());
    EXPECT_STREQ("pathnames", parameters.GetAt(0)->GetElement(1)->GetSavedText());
}
