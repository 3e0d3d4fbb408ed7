// keldra-report --json as a status-bar script reads it: a JSON document with the
// plain report's rows, the counts behind each size text, and which drives answered.
#include <sys/mount.h>
#include <sys/statvfs.h>

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
    // never answered or a letter with no volume.
    EXPECT_EQ(row.value("figures").toString().toStdString(), unanswered ? "missing" : "fresh")
        << label;
    EXPECT_EQ(row.value("state").toString().toStdString(), label == "H:"   ? "not answered"
                                                           : label == "M:" ? "no drive"
                                                                           : "ok")
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
  if (!mounted) return;
  // S's folder is meant for a volume (the system's fstab says so): unmounted, it is a
  // drive with no volume, never the figures of the folder's own volume beneath.
  Write_File(dir / "fstab", "tmpfs " + small + " tmpfs size=1536k 0 0\n");
  const bool fstab_bound =
      mount((dir / "fstab").c_str(), "/etc/fstab", nullptr, MS_BIND, nullptr) == 0;
  Unmount(small);
  if (fstab_bound) {
    const Run_Result after = Run_Program({report, "--json"});
    umount2("/etc/fstab", MNT_DETACH);
    const QJsonObject s = Parsed_Rows(after.out)[0].toObject();
    EXPECT_EQ(s.value("state").toString().toStdString(), "not mounted") << after.out;
    EXPECT_FALSE(s.value("queried").toBool(true));
    EXPECT_EQ(s.value("total_kb").toInteger(-1), 0);
    EXPECT_EQ(s.value("colour").toString().toStdString(), "red");
  }
  Unmount(big);
}

// Without mounting anything (any user): the root volume's counts are statvfs's, each
// in its own field.
TEST(Report_Json, TheCountsAreTheVolumesOwnFreeAndTotal) {
  Temp_Folder dir;
  const std::string report = Install_Report(dir.Path());
  Write_File(dir / "drives.ini", "[drives]\nC=/\n");
  Write_File(dir / "keldra.ini", "[keldra]\ndrive_being_monitored_letters=C\n");
  const Run_Result r = Run_Program({report, "--json"});
  ASSERT_EQ(r.exit_code, 0) << r.err;
  struct statvfs st {};
  ASSERT_EQ(statvfs("/", &st), 0);
  const qint64 unit = static_cast<qint64>(st.f_frsize);
  const qint64 free_kb = static_cast<qint64>(st.f_bavail) * unit / 1024;
  const qint64 total_kb = static_cast<qint64>(st.f_blocks - st.f_bfree + st.f_bavail) * unit / 1024;
  const QJsonObject c = Parsed_Rows(r.out)[0].toObject();
  // Others may write meanwhile: the free count may move by a little, the total not.
  EXPECT_EQ(c.value("total_kb").toInteger(-1), total_kb) << r.out;
  EXPECT_NEAR(static_cast<double>(c.value("free_kb").toInteger(-1)), static_cast<double>(free_kb),
              64.0 * 1024)
      << r.out;
  ASSERT_LT(free_kb + 64 * 1024, total_kb) << "a root volume this full cannot tell the two apart";
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
