#include "notify_adapter.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QMetaObject>
#include <QObject>
#include <QThread>

#include <gtest/gtest.h>

#include <memory>
#include <thread>
#include <utility>
#include <vector>

namespace {

// Queued signals need an application object and its event loop on this thread.
class NotifyAdapterTest : public ::testing::Test
{
protected:
    void SetUp() override { app = std::make_unique<QCoreApplication>(argc, argv); }

    // Delivers queued events until done() holds or a generous bound passes.
    template <typename Pred>
    void ProcessEventsUntil(Pred done)
    {
        QDeadlineTimer deadline(10000);
        while (!done() && !deadline.hasExpired()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        }
    }

    int argc = 1;
    char arg0[20] = "notify_adapter_test";
    char* argv[2] = {arg0, nullptr};
    std::unique_ptr<QCoreApplication> app;
};

TEST_F(NotifyAdapterTest, GetInstanceReturnsOneObjectForTheProcess)
{
    Notify_Adapter* first = Notify_Adapter::GetInstance();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(Notify_Adapter::GetInstance(), first);

    // Also from another thread: the handler thread must reach the same relay.
    Notify_Adapter* fromThread = nullptr;
    std::thread t([&fromThread] { fromThread = Notify_Adapter::GetInstance(); });
    t.join();
    EXPECT_EQ(fromThread, first);
}

TEST_F(NotifyAdapterTest, SignalsHaveTheSignaturesReceiversConnectTo)
{
    // Receivers may connect by signature string, so names and argument types matter.
    const QMetaObject* meta = Notify_Adapter::GetInstance()->metaObject();
    const int progress = meta->indexOfSignal("sigUpdateProgress(int,int)");
    const int text = meta->indexOfSignal("sigUpdateDialogText(QString)");
    ASSERT_GE(progress, 0);
    ASSERT_GE(text, 0);
    EXPECT_LT(progress, text);
    EXPECT_EQ(meta->methodCount() - meta->methodOffset(), 2);
}

TEST_F(NotifyAdapterTest, CallsFromAnotherThreadArriveQueuedInOrderOnTheMainThread)
{
    Notify_Adapter* relay = Notify_Adapter::GetInstance();
    QObject receiver;
    QThread* const mainThread = QThread::currentThread();
    std::vector<std::pair<int, int>> progress;
    std::vector<QString> texts;
    bool allOnMainThread = true;

    QObject::connect(
        relay, &Notify_Adapter::sigUpdateProgress, &receiver, [&](int total, int current) {
            allOnMainThread = allOnMainThread && QThread::currentThread() == mainThread;
            progress.emplace_back(total, current);
        });
    QObject::connect(
        relay, &Notify_Adapter::sigUpdateDialogText, &receiver, [&](const QString& text) {
            allOnMainThread = allOnMainThread && QThread::currentThread() == mainThread;
            texts.push_back(text);
        });

    std::thread worker([relay] {
        relay->UpdateDialogText(QStringLiteral("Extracting \u00e9l\u00e8ves"));
        relay->UpdateProgress(3, 1);
        relay->UpdateProgress(3, 2);
        relay->UpdateProgress(3, 3);
    });
    worker.join();

    // Nothing may run on the worker thread: the slots wait for this thread's loop.
    EXPECT_TRUE(progress.empty());
    EXPECT_TRUE(texts.empty());

    ProcessEventsUntil([&] { return progress.size() >= 3 && !texts.empty(); });

    const std::vector<std::pair<int, int>> expected{{3, 1}, {3, 2}, {3, 3}};
    EXPECT_EQ(progress, expected);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0], QStringLiteral("Extracting \u00e9l\u00e8ves"));
    EXPECT_TRUE(allOnMainThread);
}

TEST_F(NotifyAdapterTest, TextSentBeforeAnyReceiverIsLost)
{
    Notify_Adapter* relay = Notify_Adapter::GetInstance();

    // Sent from the handler thread while nobody listens: dropped, not queued.
    std::thread early([relay] {
        relay->UpdateDialogText(QStringLiteral("early"));
        relay->UpdateProgress(5, 1);
    });
    early.join();

    QObject receiver;
    std::vector<QString> texts;
    int progressCalls = 0;
    QObject::connect(relay, &Notify_Adapter::sigUpdateDialogText, &receiver,
                     [&](const QString& text) { texts.push_back(text); });
    QObject::connect(relay, &Notify_Adapter::sigUpdateProgress, &receiver,
                     [&](int, int) { ++progressCalls; });

    std::thread late([relay] { relay->UpdateDialogText(QStringLiteral("late")); });
    late.join();
    ProcessEventsUntil([&] { return !texts.empty(); });
    // One more pass so that anything wrongly held back would have arrived too.
    QCoreApplication::processEvents();

    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0], QStringLiteral("late"));
    EXPECT_EQ(progressCalls, 0);
}

} // namespace
