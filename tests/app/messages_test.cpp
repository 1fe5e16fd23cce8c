#include "app/messages.h"

#include <gtest/gtest.h>

namespace tavrosine {
namespace {

TEST(MessageTable, LooksUpWithoutRegardToCase) {
  struct Case {
    const char* group;
    const char* key;
    const char* text;
  } cases[] = {
      {"msg", "error", "Error"},
      {"Msg", "Errors", "%NO_STRING_ERROR%"},
      {"Nonexistent", "Error", "%NO_STRING_ERROR%"},
      {"Menu", "", "%NO_STRING_ERROR%"},
      {"Preferences", "Medium", "Medium"},
      {"General", "Preparing", "Preparing..."},
      {"Msg", "Files converted", "Files converted: %s1% of %s2%"},
      {"Preferences", "Keep Subfolders", "Keep Subfolders:"},
      {"Menu", "Select Input Folder", "Add Input Folder..."},
      {"Msg", "Invalid input folder",
       "The following input folder is invalid or doesn't exist:\r\n%s1%\r\n\r\nPlease, correct "
       "the input path and try again!"},
      {"uninstall", "NEXT", "Next"},
  };
  // Alternate groups on purpose: each lookup must find its own group again.
  for (const Case& c : cases) EXPECT_EQ(LookUpText(c.group, c.key), c.text) << c.group << "/" << c.key;
}

TEST(MessageTable, FillsPlaceholdersInOrder) {
  EXPECT_EQ(FillPlaceholders("Files converted: %s1% of %s2%", "3", "10"),
            "Files converted: 3 of 10");
  EXPECT_EQ(FillPlaceholders("Files converted: %s1% of %s2%", "3", ""),
            "Files converted: 3 of %s2%");
  EXPECT_EQ(FillPlaceholders("%S1%", "x"), "x");
  EXPECT_EQ(FillPlaceholders("%s1%", "%s2%", "x"), "x");
  EXPECT_EQ(FillPlaceholders("", "x"), "");
}

TEST(MessageTable, VersionAndTitle) {
  EXPECT_EQ(VersionText(270), "2.7");
  EXPECT_EQ(VersionText(271), "2.7.1");
  EXPECT_EQ(TitleText(), "Zelmorith 2.7");
}

}  // namespace
}  // namespace tavrosine
