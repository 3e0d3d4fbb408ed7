// keldra-report --json as a status-bar script reads it: a JSON document with the
// plain report's rows, the counts behind each size text, and which drives answered.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <filesystem>

#include <gtest/gtest.h>

#include "tests/fakes/hung_volume.h"
#include "tests/fakes/temp_folder.h"
#include "tests/system/report_runner.h"

namespace keldra::test {
namespace {

QJsonArray Parsed_Rows(const std::string& out) {
  QJsonParseError error;
  const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(out), &error);
  EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString() << out;
  EXPECT_TRUE(doc.isObject()) << out;
  return doc.object().value("rows").toArray();
}

// The row as the plain report prints it.
std::string As_Line(const QJsonObject& row) {
  return row.value("label").toString().toStdString() + "\t" +
         std::to_string(row.value("used").toInt()) + "\t" +
         row.value("colour").toString().toStdString() + "\t" +
         row.value("text").toString().toStdString();
}

TEST(Report_Json, CarriesThePlainRowsTheirCountsAndWhichDrivesAnswered) {
  Temp_Folder dir;
  const std::string report = Install_Report(dir.Path());
  const std::string small = dir / "small", big = dir / "big";
  std::filesystem::create_directories(small);
  std::filesystem::create_directories(big);
  const bool mounted = Mount_Tmpfs(small, "1536k") && Mount_Tmpfs(big, "64m");
  Hung_Volume hung(dir / "hung");
  std::string drives = "[drives]\nS=" + small + "\nB=" + big + "\nM=" + dir.Path() + "/nowhere\n";
  std::string letters = "SBM";
  if (hung.Mounted()) {
    drives += "H=" + hung.Path() + "\n";
    letters += "H";
  } else {
    std::printf("no hung FUSE volume here (%s): the unanswered drive is a missing one only\n",
                hung.Why_Not().c_str());
  }
  Write_File(dir / "drives.ini", drives);
  Write_File(dir / "keldra.ini", "[keldra]\ndrive_being_monitored_letters=" + letters +
                                     "\nShow_Total_of_All_Drives_CheckBox=1\n");
  if (mounted) Write_File(small + "/half", std::string(768 * 1024, 'x'));

  const Run_Result plain = Run_Program({report});
  const Run_Result json = Run_Program({report, "--json"});
  ASSERT_EQ(json.exit_code, 0) << json.err;
  const QJsonArray rows = Parsed_Rows(json.out);
  const auto lines = Split_Lines(plain.out);
  ASSERT_EQ(static_cast<std::size_t>(rows.size()), letters.size() + 1) << json.out;
  ASSERT_EQ(lines.size(), letters.size() + 1) << plain.out;

  qint64 free_sum = 0, total_sum = 0;
  for (qsizetype i = 0; i < rows.size(); ++i) {
    const QJsonObject row = rows[i].toObject();
    // Volumes of their own: nothing else changes their figures between the runs.
    EXPECT_EQ(As_Line(row), lines[static_cast<std::size_t>(i)]) << json.out;
    const bool total_row = i + 1 == rows.size();
    const std::string label = row.value("label").toString().toStdString();
    const bool unanswered = label == "M:" || label == "H:";
    EXPECT_EQ(row.value("queried").toBool(!unanswered), !unanswered) << label;
    // One run, one pass: figures are this pass's own, or none for a volume that
    // never answered.
    EXPECT_EQ(row.value("figures").toString().toStdString(), label == "H:" ? "missing" : "fresh")
        << label;
    if (!total_row) {
      free_sum += row.value("free_kb").toInteger(-1);
      total_sum += row.value("total_kb").toInteger(-1);
    } else {
      EXPECT_EQ(label, "Tot:");
      EXPECT_EQ(row.value("free_kb").toInteger(-1), free_sum) << "the total is the rows' sum";
      EXPECT_EQ(row.value("total_kb").toInteger(-1), total_sum);
    }
    if (unanswered) {
      EXPECT_EQ(row.value("free_kb").toInteger(-1), 0);
      EXPECT_EQ(row.value("total_kb").toInteger(-1), 0);
    }
  }
  if (mounted) {
    EXPECT_EQ(rows[1].toObject().value("total_kb").toInteger(), 65536) << "a 64 MB tmpfs";
    EXPECT_EQ(rows[0].toObject().value("total_kb").toInteger(), 1536);
  }
  if (mounted) {
    Unmount(small);
    Unmount(big);
  }
}

TEST(Report_Json, AFailedPassPrintsTheRowsBeforeItInTheSameDocument) {
  Temp_Folder dir;
  const std::string report = Install_Report(dir.Path());
  Write_File(dir / "keldra.ini", "[keldra]\ndrive_being_monitored_letters=c1d\n");
  const Run_Result r = Run_Program({report, "--json"});
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_NE(r.err.find("is not a valid integer value"), std::string::npos) << r.err;
  const QJsonArray rows = Parsed_Rows(r.out);
  ASSERT_EQ(rows.size(), 1) << r.out;
  EXPECT_EQ(rows[0].toObject().value("label").toString(), "C:");
  EXPECT_TRUE(rows[0].toObject().value("queried").toBool(false));
}

}  // namespace
}  // namespace keldra::test
