// Typing into the name combo of a hosted type chooser: completion, the
// dropped mismatch, and the pause after Delete or Backspace, per box.
#include "tests/typechooser/SorvaneFixture.h"
#include "tests/support/WindowPump.h"
#include "typechooser/Resource.h"

namespace {
HWND EditOf(HWND combo)
{
    COMBOBOXINFO info = {};
    info.cbSize = sizeof info;
    GetComboBoxInfo(combo, &info);
    return info.hwndItem;
}

// A key as the keyboard delivers it to the edit field: its key-down, then its character.
void Press(HWND edit, char character, UINT key = 0)
{
    SendMessageA(edit, WM_KEYDOWN, key ? key : VkKeyScanA(character) & 0xFF, 0);
    if (character)
        SendMessageA(edit, WM_CHAR, static_cast<WPARAM>(static_cast<unsigned char>(character)), 0);
}

void Type(HWND edit, const char* text)
{
    for (const char* at = text; *at; ++at)
        Press(edit, *at);
}

// The edit field's selection as "start-end".
std::string Selection(HWND edit)
{
    DWORD start = 0;
    DWORD end = 0;
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return std::to_string(start) + "-" + std::to_string(end);
}
}

class ComboBoxACTest : public SorvaneTest {
protected:
    HWND NameEdit(ControlHost& host) { return EditOf(host.Item(IDC_NAME_COMBO)); }
};

TEST_F(ComboBoxACTest, TypingCompletesToTheFirstNameAndDropsWhatNoNameContinues)
{
    auto host = Choose("\"" + PathIn("webshop") + "\"", "", TC_LABEL);
    ASSERT_NE(nullptr, host->Control());
    HWND edit = NameEdit(*host);
    Type(edit, "r");
    EXPECT_EQ("REL_1.0", WindowText(edit));
    EXPECT_EQ("1-7", Selection(edit)) << "the completed tail is highlighted";
    Type(edit, "el_1.1");
    EXPECT_EQ("REL_1.1", WindowText(edit));
    Type(edit, "x");
    EXPECT_EQ("REL_1.1", WindowText(edit));
    EXPECT_EQ("7-7", Selection(edit));

    // With the caret inside the text a mismatch drops the character typed there.
    SendMessageA(edit, EM_SETSEL, 3, 3);
    Type(edit, "q");
    EXPECT_EQ("REL_1.1", WindowText(edit));
    EXPECT_EQ("3-3", Selection(edit));
    EXPECT_EQ("REL_1.1", host->GetText(2));
}

TEST_F(ComboBoxACTest, BackspacePausesCompletionForASecondInItsOwnBoxOnly)
{
    auto first = Choose("\"" + PathIn("webshop") + "\"", "", TC_LABEL);
    auto second = Choose("\"" + PathIn("webshop") + "\"", "", TC_BRANCH);
    ASSERT_NE(nullptr, first->Control());
    ASSERT_NE(nullptr, second->Control());
    HWND edit = NameEdit(*first);
    Type(edit, "b");
    EXPECT_EQ("BETA_2", WindowText(edit));
    Press(edit, '\b', VK_BACK);
    EXPECT_EQ("B", WindowText(edit)) << "the highlighted tail goes, and nothing completes it again";
    Press(edit, '\b', VK_BACK);
    EXPECT_EQ("", WindowText(edit));
    Type(edit, "r");
    EXPECT_EQ("REL_1.0", WindowText(edit)) << "a key turns completion on again";
    Press(edit, '\b', VK_BACK);
    EXPECT_EQ("R", WindowText(edit));

    // The other box's pause, cut short by its destruction, leaves this one's
    // alone; this one's timer is kept from firing until it is checked.
    HWND otherEdit = NameEdit(*second);
    Press(otherEdit, '\b', VK_BACK);
    second.reset();
    PumpPostedMessages();
    EXPECT_EQ("R", WindowText(edit));
    EXPECT_TRUE(PumpUntil([&] { return WindowText(edit) == "REL_1.0"; })) << WindowText(edit);
}
