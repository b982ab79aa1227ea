// A section's glob against paths below its file's folder: each form, the plain-text fallbacks,
// and patterns built to make a backtracking matcher take forever or expand without end.

#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "style/glob.h"

namespace tessaly::style {
namespace {

struct GlobCase {
  const char* glob;
  const char* path;
  bool matches;
};

TEST(Glob, MatchesEachFormAsTheCoresDo) {
  const GlobCase cases[] = {
      // clang-format off
      {"/**/*.bas", "/Module1.bas", true},      {"/**/*.bas", "/a/b/Module1.bas", true},
      {"/*.bas", "/a/Module1.bas", false},      {"/a/**/c", "/a/c", true},
      {"/a/**/c", "/a/x/y/c", true},            {"/a**c", "/ab/c", true},
      {"/a?c", "/abc", true},                   {"/a?c", "/a/c", false},
      {"/??.bas", "/模块.bas", true},           {"/[abc].x", "/b.x", true},
      {"/[a-c].x", "/d.x", false},              {"/[!a-c].x", "/d.x", true},
      {"/[!a-c].x", "/b.x", false},             {"/q[!a]c", "/q/c", true},
      {"/[a/b]", "/[a/b]", true},               {"/[a/b]", "/a", false},
      {"/w[a", "/w[a", false},                  {"/*.{bas,cls}", "/m.cls", true},
      {"/*.{bas,cls}", "/m.frm", false},        {"/{a,{b,c}}.n", "/c.n", true},
      {"/u{,a}", "/u", true},                   {"/{x}", "/{x}", true},
      {"/{}", "/{}", true},                     {"/}a{", "/}a{", true},
      {"/x{a\\,b}", "/x{a,b}", true},           {"/\\*.e", "/*.e", true},
      {"/\\*.e", "/x.e", false},                {"/f{1..3}", "/f2", true},
      {"/f{1..3}", "/f4", false},               {"/f{1..3}", "/f+2", true},
      {"/f{-3..-1}", "/f-2", true},             {"/f{0..3}", "/f0", false},
      {"/f{1..20}", "/f07", false},             {"/f{1..999999999}", "/f999999999", true},
      {"/f{1..999999999}", "/f1000000000", false}, {"/[a-c].x", "/-.x", false},
      {"/f{1..3}", "/f2x", false},              {"/[a-cx].y", "/d.y", false},
      // clang-format on
  };
  for (const auto& row : cases) {
    EXPECT_EQ(Glob(row.glob).Matches(row.path), row.matches) << row.glob << " on " << row.path;
  }
}

// Each hostile pattern against a path it must fail on, as a backtracking matcher would try
// every split; each must answer well within the time a click may take.
TEST(Glob, HostilePatternsAnswerInBoundedTime) {
  const std::string long_name(3000, 'a');
  std::string stars = "/";
  for (int i = 0; i < 200; ++i)
    stars += "*a";
  std::string nested = "/";
  for (int i = 0; i < 1000; ++i)
    nested += "{a,";
  nested += "b";
  for (int i = 0; i < 1000; ++i)
    nested += "}";
  std::string ranges = "/";
  for (int i = 0; i < 100; ++i)
    ranges += "{1..999999999}";
  const struct {
    std::string glob, path;
    bool matches;
  } cases[] = {
      {stars + "b", "/" + long_name, false},
      {"/**" + std::string(300, '*') + "/**b", "/" + long_name, false},
      {nested, "/b", true},
      {nested, "/" + long_name, false},
      {ranges + "x", "/" + std::string(900, '7'), false},
      {"/f{-999999999999999999999..999999999999999999999}", "/f123456789012345678", true},
  };
  for (const auto& row : cases) {
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(Glob(row.glob).Matches(row.path), row.matches) << row.glob.substr(0, 40);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2))
        << row.glob.substr(0, 40);
  }
}

}  // namespace
}  // namespace tessaly::style
