// Runs the varimonde-cli program and reads what it prints.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

struct CliRun {
    std::string out;
    int status = -1;
};

CliRun runCli(const std::string& arguments, const std::string& input = "") {
    const char* cli = std::getenv("VARIMONDE_CLI");
    EXPECT_NE(cli, nullptr);
    const std::string inputFile = testing::TempDir() + "cli_input.txt";
    std::ofstream(inputFile, std::ios::binary) << input;
    const std::string command = std::string(cli) + " " + arguments + " < " + inputFile + " 2>&1";
    CliRun run;
    FILE* pipe = popen(command.c_str(), "r");
    std::array<char, 4096> buffer{};
    std::size_t n = 0;
    while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) run.out.append(buffer.data(), n);
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

std::string writeFile(const std::string& name, const std::string& content) {
    const std::string path = testing::TempDir() + name;
    std::ofstream(path, std::ios::binary) << content;
    return path;
}

TEST(Cli, ParsePrintsRowsThenTheResultText) {
    const CliRun run = runCli("parse -", "a=1; b=x%41; c=; d; =e");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              "1\ta\t1\t1\n2\tb\tx%41\txA\n3\tc\t\t\n\n"
              "检查到Cookies文本有错误!\n请检查多余＝号! [错误数:1]\n\n"
              "检查到Cookies文本有错误!\nCookies或值为空 [错误数:1]\n\n\n");
}

TEST(Cli, ProfilesSeparatorsAndEscapes) {
    EXPECT_EQ(runCli("parse --profile http", "Host: a\r\nX-A: 1\n").out, "1\tHost\ta\ta\n2\tX-A\t1\t1\n\n空\n");
    EXPECT_EQ(runCli("parse --profile query --decode", "q=%E4%B8%AD&t=a%09b%5C").out,
              "1\tq\t中\t%E4%B8%AD\n2\tt\ta\\tb\\\\\ta%09b%5C\n\n空\n");
    EXPECT_EQ(runCli("parse --row-sep 换行 --value-sep :", "a:1\nb:2").out, "1\ta\t1\t1\n2\tb\t2\t2\n\n空\n");
    EXPECT_EQ(runCli("parse --sort", "b=1;A=2;_x=3").out, "1\tA\t2\t2\n2\tb\t1\t1\n3\t_x\t3\t3\n\n空\n");
}

TEST(Cli, CompareListsMissingAndDifferingItems) {
    const std::string one = writeFile("one.txt", "a=1;b=2");
    const std::string two = writeFile("two.txt", "b=3;c=4");
    const CliRun run = runCli("compare " + one + " " + two);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              "[1号]缺少\n1\tc\t4\n[2号]缺少\n1\ta\t1\n值异同\n1\tb\t2\t3\n"
              "分析提示:[1号]缺少:1项   [2号]缺少:1项   Cookies值异同:1项\n");
    const std::string upper = writeFile("upper.txt", "SID=1;uid=2");
    const std::string lower = writeFile("lower.txt", "sid=1;id=2");
    // Side-1 "id" first finds "SID" (it occurs in "sid"); side-2 "uid" occurs in no side-1 name.
    EXPECT_EQ(runCli("compare --ignore-case --partial " + lower + " " + upper).out,
              "[1号]缺少\n1\tuid\t2\n[2号]缺少\n值异同\n1\tid\t2\t1\n"
              "分析提示:[1号]缺少:1项   [2号]缺少:0项   Cookies值异同:1项\n");
}

TEST(Cli, BadCommandLinesExitWithTwo) {
    for (const std::string args : {"", "frobnicate", "parse --profile nope", "parse --row-sep", "parse --bogus",
                                   "compare onlyone", "parse /nonexistent/file", "parse --value-sep ''"}) {
        SCOPED_TRACE(args);
        const CliRun run = runCli(args);
        EXPECT_EQ(run.status, 2);
        EXPECT_NE(run.out.find("varimonde-cli:"), std::string::npos);
    }
    EXPECT_EQ(runCli("--help").status, 0);
    EXPECT_NE(runCli("parse --help").out.find("as if the answer were Yes"), std::string::npos);
}

}  // namespace
