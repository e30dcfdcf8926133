#include "app/logic/instance_key.h"

#include <gtest/gtest.h>

namespace vorenta {
namespace {

TEST(InstanceMutexName, OneFolderOneNameAndNoBackslashAfterTheNamespace) {
  EXPECT_EQ(InstanceMutexName(u"C:\\TOOLS\\VORENTA"), u"Local\\Vorenta-C:/TOOLS/VORENTA");
  // Names that a plain character swap would have merged stay apart.
  EXPECT_NE(InstanceMutexName(u"C:\\A_B"), InstanceMutexName(u"C:\\A\\B"));
}

TEST(InstanceMutexName, LongFoldersFitAnObjectNameAndStayApart) {
  const std::u16string deep = u"C:\\" + std::u16string(300, u'X');
  const std::u16string name = InstanceMutexName(deep + u"\\A");
  EXPECT_LE(name.size(), 250u);
  EXPECT_EQ(name.find(u'\\', 6), std::u16string::npos);
  EXPECT_NE(name, InstanceMutexName(deep + u"\\B"));
  // Same end, different beginning: the hash tells them apart.
  EXPECT_NE(name, InstanceMutexName(u"D:\\" + std::u16string(300, u'X') + u"\\A"));
}

}  // namespace
}  // namespace vorenta
