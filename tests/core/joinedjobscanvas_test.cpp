#include "support/recordingcanvas.h"
#include "support/records.h"

#include "core/evaluationprintout.h"
#include "core/joinedjobscanvas.h"

#include <gtest/gtest.h>

using namespace penvaro;

TEST(JoinedJobsCanvas, AnEvaluationOfTwoJobsBecomesOneDocumentWithPagesCountedPerJob) {
    std::vector<core::BookingRecord> records;
    for (int i = 0; i < 45; ++i)
        records.push_back(penvaro::testing::Completed(2011, i + 1, "03.01.2011"));
    core::BookingTable table;
    penvaro::testing::Fill(table, records);
    const core::BookingMatcher matcher({core::SearchMode::DateRange,
                                        "",
                                        {},
                                        penvaro::testing::Day("01.01.2011"),
                                        penvaro::testing::Day("31.12.2011")});

    penvaro::testing::RecordingCanvas recording;
    core::JoinedJobsCanvas joined(recording);
    ASSERT_TRUE(core::PrintEvaluation(joined, table, matcher, {}));
    EXPECT_EQ(recording.jobs(), 1) << "not ended yet";
    ASSERT_TRUE(joined.finish());

    EXPECT_EQ(recording.jobs(), 1);
    EXPECT_EQ(recording.pages(), 2);
    std::vector<std::pair<std::string, int>> pageNumbers;
    for (const auto &step : recording.texts())
        if (step.text.starts_with("Seite "))
            pageNumbers.emplace_back(step.text, step.page);
    EXPECT_EQ(pageNumbers,
              (std::vector<std::pair<std::string, int>>{{"Seite 1", 1}, {"Seite 1", 2}}));
    int ends = 0;
    for (const auto &step : recording.steps())
        ends += step.op == penvaro::testing::RecordingCanvas::Op::End;
    EXPECT_EQ(ends, 1);
}
