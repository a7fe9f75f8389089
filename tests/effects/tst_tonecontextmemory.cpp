// ACE_EXP_Init when memory runs out at each of its allocations in turn:
// -201, no context, and (checked by LeakSanitizer at exit) nothing kept.

#include "effects/AceTone.h"

#include <QtTest>

#include <new>

namespace {

// Nothrow allocations still allowed before the next one fails; -1: no limit.
int g_allowed = -1;

bool refuse()
{
    if (g_allowed < 0)
        return false;
    if (g_allowed == 0)
        return true;
    --g_allowed;
    return false;
}

} // namespace

// The library takes its memory with nothrow new; these stand in for it and
// pass on to the ordinary operators, so the matching deletes stay valid.
void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    if (refuse())
        return nullptr;
    try {
        return ::operator new(size);
    } catch (...) {
        return nullptr;
    }
}

void* operator new[](std::size_t size, const std::nothrow_t&) noexcept
{
    if (refuse())
        return nullptr;
    try {
        return ::operator new[](size);
    } catch (...) {
        return nullptr;
    }
}

class TestToneContextMemory : public QObject
{
    Q_OBJECT

private slots:
    void initFailsCleanly();
};

void TestToneContextMemory::initFailsCleanly()
{
    // The context itself and its thirteen blocks: fourteen allocations.
    for (int allowed = 0; allowed < 14; ++allowed) {
        ACE_EXP_CONTEXT* context = reinterpret_cast<ACE_EXP_CONTEXT*>(this); // must be reset
        g_allowed = allowed;
        const int result = ACE_EXP_Init(&context);
        g_allowed = -1;
        QCOMPARE(result, int(EffectNoMemory));
        QVERIFY(context == nullptr);
    }
    ACE_EXP_CONTEXT* context = nullptr;
    g_allowed = 14;
    QCOMPARE(ACE_EXP_Init(&context), int(EffectOk));
    g_allowed = -1;
    QVERIFY(context);
    QCOMPARE(ACE_EXP_Uninit(context), int(EffectOk));
}

QTEST_GUILESS_MAIN(TestToneContextMemory)
#include "tst_tonecontextmemory.moc"
