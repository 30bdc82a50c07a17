// The AS568 table and its loader.

#include <gtest/gtest.h>

#include "model/as568.h"

using namespace glandwise;

namespace {

As568Table shippedTable() {
  As568Load load = As568Table::load(GLANDWISE_AS568_TABLE);
  EXPECT_TRUE(load.table) << load.error;
  return load.table ? std::move(*load.table) : As568Table();
}

TEST(As568Test, LooksSizesUpBothWays) {
  const As568Table table = shippedTable();
  const struct {
    const char* dash;
    float id, idTolerance, crossSection, crossSectionTolerance;
  } sizes[] = {{"-013", 0.426f, 0.005f, 0.070f, 0.003f},
               {"214", 0.984f, 0.010f, 0.139f, 0.004f},
               {"2-325", 1.475f, 0.015f, 0.210f, 0.005f},
               {"AS568-429", 4.975f, 0.037f, 0.275f, 0.006f},
               {"-4", 0.070f, 0.005f, 0.070f, 0.003f}};
  for (const auto& s : sizes) {
    const As568Size* size = table.find(s.dash);
    ASSERT_NE(size, nullptr) << s.dash;
    EXPECT_EQ(size->insideDiameter, s.id);
    EXPECT_EQ(size->insideDiameterTolerance, s.idTolerance);
    EXPECT_EQ(size->crossSection, s.crossSection);
    EXPECT_EQ(size->crossSectionTolerance, s.crossSectionTolerance);
    EXPECT_EQ(table.match(s.crossSection, s.id + 0.0004f), size) << s.dash;
  }
  EXPECT_EQ(table.find("-999"), nullptr);
  EXPECT_EQ(table.find("abc"), nullptr);
  EXPECT_EQ(table.find("2-14"), nullptr);  // "2-" takes all three digits
  EXPECT_EQ(table.match(0.139f, 0.9855f), nullptr);  // 0.0015 from -214
  EXPECT_EQ(table.match(0.103f, 0.984f), nullptr);   // another cross-section
}

TEST(As568Test, LoaderRefusesABadTableNamingTheLine) {
  const std::string header = "dash,id_in,id_tol_in,cs_in,cs_tol_in\n";
  const struct {
    std::string text, error;
  } tables[] = {
      {"dash,id\n001,0.029\n", "t.csv line 1: expected the header"},
      {header + "001,0.029,0.004,0.040\n", "t.csv line 2: expected 5 columns"},
      {header + "001,0.029,0.004,0.040,0.003\n002,x,0.004,0.050,0.003\n", "t.csv line 3: id_in \"x\""},
      {header + "001,0.029,0.004,-0.04,0.003\n", "t.csv line 2: cs_in \"-0.04\" is not a positive number"},
      {header + "001,0.029,0.004,0.040,0.003\n-001,0.03,0.004,0.040,0.003\n", "t.csv line 3: dash number -001 given twice"},
      {header + "12a,0.029,0.004,0.040,0.003\n", "t.csv line 2: \"12a\" is not a dash number"},
      {header, "t.csv: no sizes in the table"},
  };
  for (const auto& t : tables) {
    const As568Load load = As568Table::parse(t.text, "t.csv");
    EXPECT_FALSE(load.table);
    EXPECT_EQ(load.error.substr(0, t.error.size()), t.error);
  }
  // As spreadsheets save it: a byte-order mark and CR LF line ends.
  EXPECT_TRUE(As568Table::parse("\xEF\xBB\xBF" + header + "001,0.029,0.004,0.040,0.003\r\n\n", "t.csv").table);
  EXPECT_NE(As568Table::load("/nonexistent/as568.csv").error.find("cannot read"), std::string::npos);
}

}  // namespace
