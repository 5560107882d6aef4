#include "platform/Xml.h"

#include <gtest/gtest.h>

#include <chrono>

using namespace platform;

TEST(XmlTest, FragmentWithUndeclaredPrefixesParses)
{
    const char* text = "<NewDataSet><diffgr:row soap:x=\"1\"><code>200</code><msg /></diffgr:row>"
                       "<Table><name>人民广场</name></Table></NewDataSet>";
    auto doc = XmlDocument::parse(text);
    ASSERT_TRUE(doc);
    auto root = doc->root();
    EXPECT_EQ(root.name(), "NewDataSet");
    auto first = root.firstChild();
    EXPECT_EQ(first.name(), "diffgr:row");
    EXPECT_EQ(first.firstChild("code").text(), "200");
    EXPECT_EQ(first.firstChild("msg").text(), "");
    EXPECT_FALSE(first.firstChild("missing"));
    EXPECT_EQ(first.nextSibling().firstChild("name").text(), "人民广场");
    EXPECT_FALSE(first.nextSibling().nextSibling());
}

TEST(XmlTest, EntitiesAndCharacterReferencesAreDecoded)
{
    auto doc = XmlDocument::parse("<r><f>a &amp; b &lt;c&gt; &quot;&apos; &#20013;&#x6587;</f></r>");
    ASSERT_TRUE(doc);
    EXPECT_EQ(doc->root().firstChild("f").text(), "a & b <c> \"' 中文");
}

TEST(XmlTest, RefusesMalformedAndEmptyText)
{
    for (const char* text : { "", "<a><b></a>", "not xml", "<a>\xff\xfe</a>" })
        EXPECT_FALSE(XmlDocument::parse(text)) << text;
}

TEST(XmlTest, RefusesEntityBombQuickly)
{
    std::string bomb = "<?xml version=\"1.0\"?><!DOCTYPE lolz [<!ENTITY lol \"lol\">";
    for (int i = 1; i < 10; ++i) {
        bomb += "<!ENTITY lol" + std::to_string(i) + " \"";
        for (int j = 0; j < 10; ++j)
            bomb += "&lol" + (i == 1 ? std::string() : std::to_string(i - 1)) + ";";
        bomb += "\">";
    }
    bomb += "]><lolz>&lol9;</lolz>";
    auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(XmlDocument::parse(bomb));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
}

TEST(XmlTest, RefusesExternalEntity)
{
    EXPECT_FALSE(XmlDocument::parse("<?xml version=\"1.0\"?><!DOCTYPE r [<!ENTITY x SYSTEM \"file:///etc/passwd\">]><r>&x;</r>"));
}
