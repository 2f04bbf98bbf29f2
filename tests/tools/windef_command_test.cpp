// qor windef and windefc as real processes.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>

#include "tests/tools/test_bin_dir.h"

namespace {

namespace fs = std::filesystem;

struct ProcessResult {
  int exitCode = -1;
  std::string out;
  std::string err;
};

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

class WindefProcess : public ::testing::Test {
 protected:
  void SetUp() override {
    bin_ = qor::test::TestBinDir();
    dir_ = fs::temp_directory_path() / ("windef_test_" + std::to_string(::getpid()));
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  // Runs a program of the build with arguments already quoted for the shell.
  ProcessResult Start(const std::string& program, const std::string& arguments) {
    fs::path out = dir_ / "out", err = dir_ / "err";
    std::string command = "'" + (bin_ / program).string() + "' " + arguments + " >'" + out.string() + "' 2>'" +
                          err.string() + "'";
    int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadAll(out), ReadAll(err)};
  }

  std::string Image(const std::string& resourceName) {
    return ReadAll(fs::path(QOR_WINDOW_IMAGES) / (resourceName + ".dabdump"));
  }

  fs::path bin_;
  fs::path dir_;
};

TEST_F(WindefProcess, ListNamesEachDefinitionAndItsWindows) {
  ProcessResult run = Start("qor", "windef list");
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.out,
            "kzt_asm$KZT_A001 P1$WINDOW\n"
            "QFEIP $MULTIWINDOW\n"
            "QFPOPUP $POPUPWINDOW\n"
            "QFQUERY $QUERYWINDOW\n");
  EXPECT_EQ(run.err, "");
}

TEST_F(WindefProcess, RawGivesTheStoredBytesByAnyOfItsNames) {
  std::string image = Image("KZT_A001_RSC");
  ASSERT_GT(image.size(), 100u);
  EXPECT_EQ(image.substr(0, 17), std::string("kzt_asm$KZT_A001\0", 17));
  for (const char* name : {"'kzt_asm$KZT_A001'", "KZT_A001", "KZT_A001_RSC", "kzt_a001_rsc"}) {
    SCOPED_TRACE(name);
    ProcessResult run = Start("qor", std::string("windef raw ") + name);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.out == image);
  }
  EXPECT_TRUE(Start("qor", "windef raw QFQUERY").out == Image("QFQUERY_RSC"));
}

TEST_F(WindefProcess, DumpCompilesBackToTheSameBytes) {
  for (const char* name : {"KZT_A001", "QFEIP", "QFPOPUP", "QFQUERY"}) {
    SCOPED_TRACE(name);
    ProcessResult dump = Start("qor", std::string("windef dump ") + name);
    ASSERT_EQ(dump.exitCode, 0) << dump.err;
    fs::path source = dir_ / "dumped.win";
    std::ofstream(source, std::ios::binary) << dump.out;
    ProcessResult compile = Start("windefc", "--cpp '" + (dir_ / "out.cpp").string() + "' --raw-dir '" + dir_.string() +
                                       "' '" + source.string() + "'");
    ASSERT_EQ(compile.exitCode, 0) << compile.err;
    std::string resource = std::string(name) + "_RSC";
    EXPECT_TRUE(ReadAll(dir_ / (resource + ".dabdump")) == Image(resource));
  }
}

TEST_F(WindefProcess, DumpShowsTheDecodedRecords) {
  ProcessResult run = Start("qor", "windef dump 'kzt_asm$KZT_A001'");
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_NE(run.out.find("definition \"kzt_asm$KZT_A001\""), std::string::npos);
  EXPECT_NE(run.out.find("window \"P1$WINDOW\" flags 0x800 size 531 295 font \"Arial\" points 8 timer 500 "
                         "flags2 0x3040"),
            std::string::npos);
  EXPECT_NE(run.out.find("button 105 at 280 225 size 118 14 text \"GROL  ( G1 , 90 )\""), std::string::npos);
  EXPECT_NE(run.out.find("# record at buffer offset 6\n"), std::string::npos);
}

TEST_F(WindefProcess, UnknownNamesAndBadUsageExitTwo) {
  ProcessResult run = Start("qor", "windef dump NOSUCH");
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "qor: no window definition NOSUCH\n");
  EXPECT_EQ(Start("qor", "windef raw NOSUCH").exitCode, 2);
  EXPECT_EQ(Start("qor", "windef").exitCode, 2);
  EXPECT_EQ(Start("qor", "windef list extra").exitCode, 2);
  EXPECT_EQ(Start("qor", "windef show KZT_A001").exitCode, 2);
}

// A result that cannot be written is a failure said on standard error, never exit 0.
TEST_F(WindefProcess, AResultThatCannotBeWrittenFailsWithAMessage) {
  if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  fs::path err = dir_ / "err";
  for (const char* arguments : {"calc 1 + 2", "windef raw KZT_A001", "windef dump KZT_A001", "random 1 1 10 3"}) {
    std::string command =
        "'" + (bin_ / "qor").string() + "' " + arguments + " >/dev/full 2>'" + err.string() + "'";
    int status = std::system(command.c_str());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 2) << arguments;
    EXPECT_NE(ReadAll(err).find("qor: cannot write the result: "), std::string::npos) << arguments;
  }
}

TEST_F(WindefProcess, CompilerReportsTheFaultySourceLine) {
  fs::path source = dir_ / "bad.win";
  std::ofstream(source) << "definition \"x\"\nwindow \"W\" {\n  spin 1 range 1 2\n}\n";
  ProcessResult run = Start("windefc", "--cpp '" + (dir_ / "out.cpp").string() + "' '" + source.string() + "'");
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, source.string() + ":3: spin 1 needs a use variable\n");
  EXPECT_FALSE(fs::exists(dir_ / "out.cpp"));
  EXPECT_EQ(Start("windefc", "").exitCode, 2);
  EXPECT_EQ(Start("windefc", "--cpp '" + (dir_ / "o.cpp").string() + "' '" + (dir_ / "none.win").string() + "'")
                .exitCode,
            1);
}

TEST_F(WindefProcess, CompilerRefusesTwoDefinitionsStoredUnderOneName) {
  fs::path first = dir_ / "a.win", second = dir_ / "b.win";
  std::ofstream(first) << "definition \"a$SAME\" window \"W\" {}\n";
  std::ofstream(second) << "definition \"b$SAME\" window \"W\" {}\n";
  ProcessResult run = Start("windefc", "--cpp '" + (dir_ / "out.cpp").string() + "' '" + first.string() + "' '" +
                                 second.string() + "'");
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.err.find("SAME_RSC"), std::string::npos);
}

}  // namespace
