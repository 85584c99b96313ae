#include "reportmodel/Parameter.h"
#include <gtest/gtest.h>

namespace {

void ExpectElement(const CParameter& parameter, int index, const char* text, int editorKind)
{
    const CParameterElement* element = parameter.GetElement(index);
    ASSERT_NE(nullptr, element) << index;
    EXPECT_STREQ(text, element->GetText()) << index;
    EXPECT_STREQ(text, element->GetDefault()) << index;
    EXPECT_STREQ(text, element->GetSavedText()) << index;
    EXPECT_EQ(editorKind, element->GetEditorKind()) << index;
}

const int kLiteral = CParameterElement::kLiteral;

}

TEST(Parameter, PromptSplitsAroundTheKindWord)
{
    CParameter lookin;
    lookin.SetType("LOOKIN");
    EXPECT_TRUE(lookin.IsValid());
    EXPECT_EQ(15, lookin.GetTypeCode());
    EXPECT_TRUE(lookin.IsScope());
    EXPECT_FALSE(lookin.NeedsScope());
    ASSERT_EQ(3, lookin.GetElementCount());
    ExpectElement(lookin, 0, "Select ", kLiteral);
    ExpectElement(lookin, 1, "pathnames", 0);
    ExpectElement(lookin, 2, " in view to report on", kLiteral);
    EXPECT_EQ(nullptr, lookin.GetElement(3));
    EXPECT_EQ(nullptr, lookin.GetElement(-1));
    EXPECT_STREQ("Select pathnames in view to report on", lookin.GetText());
    EXPECT_FALSE(lookin.IsFixedText());

    CParameter stream;
    stream.SetType("STREAM");
    ExpectElement(stream, 2, "  in Mivad Process OLPEX", kLiteral);

    CParameter label;
    label.SetType("LABEL");
    EXPECT_TRUE(label.NeedsScope());
    EXPECT_FALSE(label.IsScope());
    ExpectElement(label, 2, "", kLiteral);
}

TEST(Parameter, EveryKeywordHasAValueOfAKnownKind)
{
    const struct { const char* keyword; int typeCode; const char* kindWord; int editorKind; } cases[] = {
        {"LOOKIN", 15, "pathnames", 0}, {"PROJECT", 4, "project", 1}, {"PROJECTS", 1, "projects", 2},
        {"STREAM", 5, "stream", 3}, {"STREAMS", 2, "streams", 4}, {"ACTIVITY", 6, "activity", 7},
        {"ACTIVITIES", 3, "activities", 8}, {"ISTREAM", 7, "Integration Stream", 5},
        {"ISTREAMS", 11, "Integration Streams", 6}, {"POLPEX", 8, "Process OLPEX", 11},
        {"POLPEXS", 12, "Process OLPEXs", 12}, {"COMPONENT", 9, "component", 9},
        {"COMPONENTS", 13, "components", 10}, {"BASELEVEL", 10, "baseline", 13},
        {"BASELEVELS", 14, "baselines", 14}, {"USER", 17, "user", 15}, {"GROUP", 18, "group", 17},
        {"LABEL", 19, "label", 18}, {"ATTRIBUTE", 20, "attribute", 19},
        {"ATTRIBUTE_VALUE", 21, "value for attribute", 30}, {"TRIGGER", 22, "trigger", 20},
        {"BRANCH", 23, "branch", 21}, {"ELTYPE", 24, "element type", 22},
        {"HLTYPE", 25, "hyperlink type", 23}, {"KVTIME", 26, "date/time", 16},
        {"BRANCHLEVELS", 27, "integer", 24}, {"FILE_NAME", 28, "filename", 25},
        {"PATH", 29, "pathname", 26}, {"STRING", 30, "string", 27}, {"INTEGER", 31, "integer", 24},
        {"REGULAR_EXPRESSION", 32, "regular expression", 29},
    };
    for (const auto& c : cases) {
        CParameter parameter;
        parameter.SetType(c.keyword);
        EXPECT_EQ(c.typeCode, parameter.GetTypeCode()) << c.keyword;
        ASSERT_EQ(3, parameter.GetElementCount()) << c.keyword;
        ExpectElement(parameter, 1, c.kindWord, c.editorKind);
    }
}

TEST(Parameter, KeywordsAreCaseSensitive)
{
    CParameter parameter;
    parameter.SetType("lookin");
    EXPECT_FALSE(parameter.IsValid());
    EXPECT_STREQ("lookin", parameter.GetName());
    EXPECT_EQ(0, parameter.GetElementCount());
    EXPECT_FALSE(parameter.IsScope());
    EXPECT_TRUE(parameter.IsFixedText());
    EXPECT_FALSE(parameter.IsModified());
    EXPECT_STREQ("", parameter.GetArguments());
}

TEST(Parameter, ValueIsModifiedWhenItDiffersFromTheKindWord)
{
    CParameter parameter;
    parameter.SetType("USER");
    CParameterElement* value = parameter.GetElement(1);

    value->SetText("user");
    EXPECT_FALSE(parameter.IsModified());
    EXPECT_STREQ("", parameter.GetValue());

    value->SetText("User");
    EXPECT_TRUE(parameter.IsModified());
    EXPECT_STREQ("User", parameter.GetValue());

    parameter.GetElement(0)->SetText("Changed literal ");
    EXPECT_FALSE(parameter.GetElement(0)->IsModified());

    value->SetText("jdoe");
    EXPECT_STREQ("Changed literal jdoe (values are non-domain-qualified)", parameter.GetText());
    EXPECT_STREQ("Changed literal jdoe (values are non-domain-qualified)", parameter.GetSavedText());
    EXPECT_STREQ("USER=\\\"jdoe\\\"; ", parameter.GetArguments());

    parameter.Reset();
    EXPECT_FALSE(parameter.IsModified());
    EXPECT_STREQ("Associated with user (values are non-domain-qualified)", parameter.GetSavedText());
}

TEST(ParameterElement, SettingTheDefaultMovesTheBaseline)
{
    CParameterElement element;
    EXPECT_TRUE(element.IsLiteral());
    element.SetEditorKind(27);
    element.SetText("string", true);
    element.SetText("text");
    element.SetSavedText("shown");
    EXPECT_TRUE(element.IsModified());
    EXPECT_STREQ("text", element.GetText());
    EXPECT_STREQ("shown", element.GetSavedText());
    element.SetText("text", true);
    EXPECT_FALSE(element.IsModified());
}
