// The author's two web pages opened by the link buttons. Set the addresses here.
#pragma once

namespace vantrelle {

// The author's profile page on the microblog service (button "去关注作者微博").
constexpr const char* kMicroblogPageUrl = "https://weibo.com/pellam";
// The author's page on the blog service (button "去作者的百度空间").
constexpr const char* kBlogPageUrl = "https://hi.baidu.com/pellam";

// Open the page in the default browser; the outcome is ignored.
void openMicroblogPage();
void openBlogPage();

}  // namespace vantrelle
