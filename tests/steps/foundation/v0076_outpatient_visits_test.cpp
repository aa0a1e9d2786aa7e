#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "quenvatrix/cls_update.h"
#include "support/fake_connection.h"

namespace quenvatrix::testing {
namespace {

std::string ViewSentBy(long version, const std::string& name) {
    auto fake = std::make_shared<FakeConnection>();
    clsUpdate component;
    component.set_pCn(fake);
    EXPECT_TRUE(component.DoUpdate(version));
    for (const std::string& sql : fake->Executed()) {
        if (sql.rfind("CREATE VIEW dbo." + name + "\r\n", 0) == 0) return sql;
    }
    ADD_FAILURE() << name << " was not created by version " << version;
    return {};
}

// An outpatient attachment names its form by 表单序号 (an int), as an inpatient
// attachment does; joining it to the form's char(8) 编号 would list the wrong
// forms or fail on conversion.
TEST(OutpatientRequestForms, AttachmentsJoinTheirFormBySerialNumberLikeInpatientOnes) {
    const std::string outpatient = ViewSentBy(76, "VJ门诊医技表单列表");
    EXPECT_NE(outpatient.find("INNER JOIN dbo.T表单列表 B ON D.表单序号 = B.表单序号"), std::string::npos) << outpatient;
    EXPECT_EQ(outpatient.find("B.编号"), std::string::npos) << outpatient;

    const std::string inpatient = ViewSentBy(74, "VJ医技表单列表");
    EXPECT_NE(inpatient.find("INNER JOIN dbo.T表单列表 B ON D.表单序号 = B.表单序号"), std::string::npos) << inpatient;
}

}  // namespace
}  // namespace quenvatrix::testing
