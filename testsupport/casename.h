#pragma once

// Names table-driven GoogleTest cases after their row's `name` field:
//   INSTANTIATE_TEST_SUITE_P(Suite, Test, testing::ValuesIn(kRows), picturecraft::ByCaseName());

#include <string>

#include <gtest/gtest.h>

namespace picturecraft {

struct ByCaseName {
    template <typename Row>
    std::string operator()(const ::testing::TestParamInfo<Row>& row) const {
        return row.param.name;
    }
};

}  // namespace picturecraft
