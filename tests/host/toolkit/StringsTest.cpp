#include <gtest/gtest.h>

#include "toolkit/core/Streams.h"
#include "toolkit/core/Strings.h"

namespace {

TEST(StringList, AddInsertDeleteAndCaseFreeSearch) {
  TStringList list;
  EXPECT_EQ(list.Add("Beta"), 0);
  EXPECT_EQ(list.Add("beta"), 1);  // duplicates allowed
  list.Insert(0, "Alpha");
  EXPECT_EQ(list.Count(), 3);
  EXPECT_EQ(list[0], "Alpha");
  EXPECT_EQ(list.IndexOf("BETA"), 1);
  EXPECT_EQ(list.IndexOf("gamma"), -1);
  list.Delete(1);
  EXPECT_EQ(list.Strings(1), "beta");
  list.Put(1, "Gamma");
  EXPECT_EQ(list.Get(1), "Gamma");
  list.Move(1, 0);
  EXPECT_EQ(list[0], "Gamma");
  list.Exchange(0, 1);
  EXPECT_EQ(list[0], "Alpha");
}

TEST(StringList, IndexOutOfRangeThrows) {
  TStringList list{"a"};
  EXPECT_THROW(list.Get(1), EStringListError);
  EXPECT_THROW(list.Get(-1), EStringListError);
  EXPECT_THROW(list.Delete(1), EStringListError);
  EXPECT_THROW(list.Insert(3, "x"), EStringListError);
  EXPECT_NO_THROW(list.Insert(1, "x"));
}

TEST(StringList, NamesAndValues) {
  TStringList list{"TEdit=edit", "plain", "TButton=button=x"};
  EXPECT_EQ(list.Names(0), "TEdit");
  EXPECT_EQ(list.Names(1), "");
  EXPECT_EQ(list.Values("tbutton"), "button=x");
  EXPECT_EQ(list.Values("missing"), "");
  EXPECT_EQ(list.ValueFromIndex(0), "edit");
  list.SetValue("TEdit", "memo");
  EXPECT_EQ(list[0], "TEdit=memo");
  list.SetValue("TPanel", "panel");
  EXPECT_EQ(list[3], "TPanel=panel");
  list.SetValue("TEdit", "");
  EXPECT_EQ(list.IndexOfName("TEdit"), -1);
}

TEST(StringList, TextSplitsEveryLineEnd) {
  TStringList list;
  list.SetText("one\r\ntwo\nthree\rfour");
  ASSERT_EQ(list.Count(), 4);
  EXPECT_EQ(list[3], "four");
  EXPECT_EQ(list.Text(), "one\r\ntwo\r\nthree\r\nfour\r\n");
  list.SetText("a\r\n\r\nb\r\n");
  ASSERT_EQ(list.Count(), 3);
  EXPECT_EQ(list[1], "");
}

TEST(StringList, CommaTextQuotesWhereNeeded) {
  TStringList list{"a", "b c", "", "say \"hi\""};
  EXPECT_EQ(list.CommaText(), "a,\"b c\",\"\",\"say \"\"hi\"\"\"");
  TStringList back;
  back.SetCommaText(list.CommaText());
  EXPECT_TRUE(back.Equals(list));
}

TEST(StringList, ChangeEventsOncePerOutermostUpdate) {
  TStringList list;
  int changes = 0;
  int changing = 0;
  list.OnChange = [&](TObject* sender) {
    EXPECT_EQ(sender, &list);
    ++changes;
  };
  list.OnChanging = [&](TObject*) { ++changing; };
  list.Add("x");
  EXPECT_EQ(changes, 1);
  list.BeginUpdate();
  list.BeginUpdate();
  list.Add("y");
  list.Delete(0);
  list.EndUpdate();
  EXPECT_EQ(changes, 1);
  list.EndUpdate();
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(changing, 2);
}

TEST(StringList, AssignObjectsSortAndStreams) {
  TStringList a{"b", "A", "c"};
  TObject marker;
  a.SetObjects(1, &marker);
  TStringList b;
  b.Assign(&a);
  EXPECT_TRUE(b.Equals(a));
  EXPECT_EQ(b.Objects(1), &marker);
  EXPECT_EQ(b.IndexOfObject(&marker), 1);
  b.Sort();
  EXPECT_EQ(b.CommaText(), "A,b,c");
  b.AddStrings(b);
  EXPECT_EQ(b.Count(), 6);

  TMemoryStream stream;
  stream.WriteBuffer("\xEF\xBB\xBFx=1\r\ny", 9);
  stream.SetPosition(0);
  TStringList loaded;
  loaded.LoadFromStream(stream);
  EXPECT_EQ(loaded.CommaText(), "x=1,y");

  EXPECT_THROW(b.Assign(nullptr), EConvertError);
}

}  // namespace
