// File > Export... as a user runs it: the Save dialog, the CSV file read back field by field by
// a reader that is not ours (Python's csv module), the rows chosen, and writes that must fail.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "linetally_app.h"

namespace e2e {
namespace {

// Names with a quote and an accented letter (the system code page's 0xE9), and a note.
const char kLog[] =
    "07/12/2026 09:15:02,07/12/2026 09:47:40,1958,Caf\xE9 \"Zur Post\",1.2516,\r\n"
    "07/12/2026 23:00:00,08/12/2026 00:00:45,3645,Office link,0.0450,Recovered\r\n"
    "08/12/2026 10:00:00,08/12/2026 10:00:01,1,Jones- Smith,0,\r\n";
const char kHeader[] = "Start|End|Seconds|Duration|Connection|Cost|Note";
const std::vector<std::string> kRows = {
    "2026-12-07 09:15:02|2026-12-07 09:47:40|1958|000:32:38|Caf\xC3\xA9 \"Zur Post\"|1.2516|",
    "2026-12-07 23:00:00|2026-12-08 00:00:45|3645|001:00:45|Office link|0.0450|Recovered",
    "2026-12-08 10:00:00|2026-12-08 10:00:01|1|000:00:01|Jones- Smith|0|"};

// Reads the CSV file strictly as RFC 4180 with the byte-order mark, and writes its fields
// joined by "|", a row a line, or the reader's complaint.
const char kReader[] =
    "import csv, os, sys\n"
    "try:\n"
    "    with open(sys.argv[1], newline='', encoding='utf-8-sig') as f:\n"
    "        text = '\\n'.join('|'.join(row) for row in csv.reader(f, strict=True))\n"
    "except Exception as e:\n"
    "    text = 'error: %s' % e\n"
    "with open(sys.argv[2] + '.part', 'w', encoding='utf-8', newline='') as out:\n"
    "    out.write(text)\n"
    "os.replace(sys.argv[2] + '.part', sys.argv[2])\n";

class ExportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    app.Folder().Write("Lnt.dat", kLog);
    app.Start();
    ASSERT_TRUE(WaitUntil([&] { return app.Rows().size() == 3; }));
  }
  // File > Export... to `name` in the program folder, answering the overwrite question.
  void Export(const std::string& name, bool replacing = false) {
    PostCommand(app.Main(), IDM_EXPORT1);
    // Replacing, the dialog stays until the question is answered.
    const bool closed = ChooseFile(app.Program().Id(), "Export Sessions", app.Folder().File(name));
    if (!replacing) {
      ASSERT_TRUE(closed);
      return;
    }
    auto ask = WaitForMessageBox(app.Program().Id());
    ASSERT_TRUE(ask) << "no question before replacing";
    EXPECT_NE(ask->text.find("replace"), std::string::npos) << ask->text;
    Answer(*ask, IDYES);
  }
  // The rows Python's csv module reads from the file, fields joined by "|".
  std::vector<std::string> ReadByPython(const std::string& csv) {
    app.Folder().Write("reader.py", kReader);
    DeleteFileA(app.Folder().File("fields.txt").c_str());
    std::string command = "Z:\\usr\\bin\\python3 reader.py " + csv + " fields.txt";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    // A Unix program: Wine starts it in the folder but hands back no handle to wait on.
    EXPECT_TRUE(CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               app.Folder().Path().c_str(), &startup, &info));
    EXPECT_TRUE(WaitUntil([&] { return app.Folder().Exists("fields.txt"); }, 15000)) << "python3 did not answer";
    std::vector<std::string> rows;
    const std::string text = app.Folder().Read("fields.txt").value_or("");
    for (size_t start = 0; start <= text.size();) {
      const size_t end = std::min(text.find('\n', start), text.size());
      rows.push_back(text.substr(start, end - start));
      start = end + 1;
    }
    return rows;
  }

  // The program's box with a text (not the closing Save dialog).
  std::optional<MessageBox> ErrorBox() {
    std::optional<MessageBox> box;
    WaitUntil([&] { return (box = FindMessageBox(app.Program().Id())) && !box->text.empty(); });
    return box;
  }

  LinetallyApp app;
};

TEST_F(ExportTest, TheWholeLogReadsBackFieldByFieldAndSeveralSelectedRowsAlone) {
  ListViewSelect(app.Control(IDC_LISTVIEW1), {1});  // one row: still the whole log
  Export("sessions");
  ASSERT_TRUE(WaitUntil([&] { return app.Folder().Exists("sessions.csv"); })) << "default extension csv";
  const std::string bytes = app.Folder().Read("sessions.csv").value_or("");
  EXPECT_EQ(bytes.substr(0, 3), "\xEF\xBB\xBF") << "UTF-8 byte-order mark";
  EXPECT_NE(bytes.find("Note\r\n2026-12-07 09:15:02,"), std::string::npos) << "CR LF lines";
  std::vector<std::string> expected = {kHeader};
  expected.insert(expected.end(), kRows.begin(), kRows.end());
  EXPECT_EQ(ReadByPython("sessions.csv"), expected);
  EXPECT_EQ(app.WorkingFile(), kLog) << "the log is only read";

  ListViewSelect(app.Control(IDC_LISTVIEW1), {0, 2});
  SetForegroundWindow(app.Main());
  ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == app.Main(); }));
  PressWithControl('E');
  ASSERT_TRUE(ChooseFile(app.Program().Id(), "Export Sessions", app.Folder().File("two.csv")));
  ASSERT_TRUE(WaitUntil([&] { return app.Folder().Exists("two.csv"); })) << "Ctrl+E";
  EXPECT_EQ(ReadByPython("two.csv"), (std::vector<std::string>{kHeader, kRows[0], kRows[2]}));
}

TEST_F(ExportTest, AFailedWriteSaysWhyAndLeavesTheOldFileAndTheLogAlone) {
  app.Folder().Write("kept.csv", "an earlier export\r\n");
  // The file written aside cannot be made: a folder holds its name.
  ASSERT_TRUE(CreateDirectoryA(app.Folder().File("kept.csv.tmp").c_str(), nullptr));
  const std::vector<std::string> files = app.Folder().List();
  Export("kept.csv", true);
  auto box = ErrorBox();
  ASSERT_TRUE(box);
  Screenshot(box->window, "linetally-export-failed");
  std::string sentence = "\"";
  sentence += app.Folder().File("kept.csv");
  sentence += "\" could not be exported: ";
  EXPECT_EQ(box->text.rfind(sentence, 0), 0u) << box->text;
  EXPECT_GT(box->text.size(), sentence.size() + 5) << "the reason is given";
  Answer(*box, IDOK);
  EXPECT_EQ(app.Folder().Read("kept.csv"), "an earlier export\r\n");
  EXPECT_EQ(app.Folder().List(), files) << "nothing half written stays";

  // The log itself is never the export.
  Export("Lnt.dat", true);
  box = ErrorBox();
  ASSERT_TRUE(box);
  EXPECT_NE(box->text.find("is the session log itself"), std::string::npos) << box->text;
  Answer(*box, IDOK);
  EXPECT_EQ(app.WorkingFile(), kLog);
}

}  // namespace
}  // namespace e2e
