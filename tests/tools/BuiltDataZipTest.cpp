#include "ProcessStateGuard.h"
#include "data/ManuscriptObj.h"
#include "data/ThisApp.h"
#include "platform/Folders.h"

#include <gtest/gtest.h>

namespace {

// The archive the build packs, read by the application's own data set-up with the password it
// is built with: a password changed on one side only, or a packer the reader no longer
// understands, fails here.
TEST(BuiltDataZip, TheDataSetUpLoadsEveryManuscriptAndTable)
{
    ProcessStateGuard state;
    Folders::SetApplicationFolder(QStringLiteral(CORVANE_BUILT_APPLICATION_FOLDER));

    ThisApp::OpenThis();

    const QStringList& messages = state.recorder().messages();
    EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
    ASSERT_TRUE(ThisApp::ManuscriptDic.has_value());
    QStringList sigla = ThisApp::ManuscriptDic->keys();
    sigla.sort();
    EXPECT_EQ(sigla, QStringList({"C", "L", "O", "P", "T", "V4", "V7"}));
    for (const QString& siglum : sigla) {
        const ManuscriptObj* manuscript = ThisApp::Manuscript(siglum);
        ASSERT_NE(manuscript, nullptr);
        EXPECT_GT(manuscript->LVdic.count(), 200) << siglum.toStdString();
        EXPECT_GT(manuscript->VLdic.count(), 3000) << siglum.toStdString();
    }
    EXPECT_EQ(ThisApp::Correspondances.size(), 4);
}

} // namespace
