// SPDX-License-Identifier: GPL-3.0-or-later
#include "controller/replacing_notices.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vorlak {
namespace {

// One step: a notice shown (its title), or the service's answer (an id, or -1 for a failed
// call); and what goes out then: the title sent and the id it replaces, or nothing.
struct Step {
    std::string show;
    long long answer = 0;
    std::string sent;
    std::uint32_t replaces = 0;
};
Step Show(std::string title, std::string sent = "", std::uint32_t replaces = 0) {
    return {std::move(title), 0, std::move(sent), replaces};
}
Step Answer(long long id, std::string sent = "", std::uint32_t replaces = 0) {
    return {"", id, std::move(sent), replaces};
}

struct Case {
    const char* name;
    std::vector<Step> steps;
};

TEST(ReplacingNoticesTest, EachNoticeReplacesTheOneTheServiceNamedLast) {
    const Case cases[] = {
        {"one at a time",
         {Show("A", "A", 0), Answer(7), Show("B", "B", 7), Answer(7), Show("C", "C", 7)}},
        // The service has not answered yet: only the burst's last notice goes out, replacing.
        {"a burst before the answer",
         {Show("A", "A", 0), Show("B"), Show("C"), Answer(7, "C", 7), Answer(7),
          Show("D", "D", 7)}},
        {"a failed call replaces what was known",
         {Show("A", "A", 0), Show("B"), Answer(-1, "B", 0), Answer(9), Show("C", "C", 9)}},
        {"an answer to no call sends nothing", {Answer(5), Show("A", "A", 0)}},
    };
    for (const Case& c : cases) {
        ReplacingNotices notices;
        int index = 0;
        for (const Step& step : c.steps) {
            const std::optional<OutgoingNotice> out =
                step.show.empty()
                    ? notices.Answered(step.answer < 0
                                           ? std::nullopt
                                           : std::optional<std::uint32_t>(
                                                 static_cast<std::uint32_t>(step.answer)))
                    : notices.Show({step.show, "text", 4000});
            const std::string where = std::string(c.name) + ", step " + std::to_string(index++);
            ASSERT_EQ(out.has_value(), !step.sent.empty()) << where;
            if (out) {
                EXPECT_EQ(out->notice.title, step.sent) << where;
                EXPECT_EQ(out->replaces, step.replaces) << where;
            }
        }
    }
}

}  // namespace
}  // namespace vorlak
