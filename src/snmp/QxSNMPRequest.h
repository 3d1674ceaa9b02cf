#pragma once

#include "snmp/QxSNMPError.h"
#include "snmp/QxSNMPParams.h"
#include "snmp/QxSNMPVarList.h"

#include "snmp/QxVb.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

struct QxSNMPAnswer;
struct QxSNMPTarget;
enum class QxPduType;

// The one object through which the module reads and writes the device: it owns a copy of a
// variable list and of the connection parameters, and fetches (get, or one step of a table walk)
// or stores (set) the list, synchronously or asynchronously.
//
// A table walk over SNMPv2c or SNMPv3 asks with GETBULK: one exchange brings many rows, which
// the request keeps and hands out one per step, cut into rows exactly as the get-next walk cuts
// its answers, so that the owner sees the same rows, values, instance OIDs and end. An agent
// that answers GETBULK with an error or not at all is walked with get-next from there on, for
// the rest of the session. SNMPv1 walks, and walks with getBulk false, use get-next.
class QxSNMPRequest {
public:
    // Completion of an asynchronous exchange, called on the window thread.
    using Callback = void (*)(void* owner, const QxSNMPError& result, QxSNMPVarList& vars);
    // Gives the text to write for the entry at a position within the selection.
    using ValueSource = std::function<std::string(int positionInSelection)>;

    QxSNMPRequest();
    QxSNMPRequest(const QxSNMPRequest&) = delete;
    QxSNMPRequest& operator=(const QxSNMPRequest&) = delete;
    // Stops the request and waits, processing window events, up to 6 s for exchanges in flight.
    virtual ~QxSNMPRequest();

    // Copies device, scope, security and timeout from the process-wide connection record.
    void LoadDefaults();

    // One get, or one walk step. True exactly when a table row was fetched.
    bool Fetch(bool first);
    void FetchAsync(Callback callback, void* owner, bool first);
    // Writes the settable entries; with a selection ("0,2,5") only the listed ones.
    void Store(const std::string& selection = {}, const ValueSource& valueSource = {});
    void StoreAsync(Callback callback, void* owner, const std::string& selection = {},
                    const ValueSource& valueSource = {});
    // What a Store with these arguments would refuse before sending anything: the message that
    // names the first entry whose text is not a value of its syntax, or says that nothing would
    // be written; "" when the write can go out. Store and StoreAsync raise the same message
    // (code RefusedValueCode) and send nothing.
    std::string CheckStore(const std::string& selection = {}, const ValueSource& valueSource = {});
    static constexpr int RefusedValueCode = -527;

    // Gives up every exchange in flight at once: none of their completions will run, and the
    // destructor has nothing left to wait for. For an owner that goes while its device is
    // silent and must not hold the window up meanwhile.
    void Abandon();

    // A remark for the result line of the walk that just ended ("" when there is none): the
    // walk went on with get-next because the agent failed a GETBULK. Cleared by the call.
    std::string TakeWalkNote();

    bool Matches(const std::string& condition) { return Evaluate(condition); }
    bool RowMatches() { return Evaluate(rowFilter); }

    std::int32_t timeout = 100;
    std::int32_t retries = 1;
    QxSNMPDevice device;
    QxSNMPScope scope;
    QxSNMPSecurity security;
    QxSNMPVarList vars;
    std::string rowFilter;
    bool active = true;
    int outstanding = 0;
    // Table walks over SNMPv2c and SNMPv3 may use GETBULK (copied from the process-wide record).
    bool getBulk = true;

protected:
    virtual std::string Substitute(const std::string& expression);
    virtual std::string DecodeIndexPart(int i, const std::string& suffix);
    virtual std::string EncodeIndexPart(int i);
    virtual void ValueFromVb(int i, const QxVb& vb);
    virtual void ValueToVb(int i, QxVb& vb);
    virtual void ApplyFormula(int i, bool afterRead);
    virtual bool Evaluate(const std::string& condition);
    virtual bool IsPastColumn(const QxOid& base, const QxOid& previous, const QxOid& returned);

private:
    struct Pdu;
    class CompletionScope;
    struct Step {
        bool row = false;
        bool done = true;
        // An SNMPv1 agent refused the step for one column that reached the end of its view:
        // that column has ended and the step is to be sent again without it.
        bool resend = false;
    };
    // Where each column of a table walk stands.
    struct WalkColumn {
        bool ended = false;
        std::string cursor;     // the OID the next get-next asks from
        std::string left;       // the instanceOid the walk left in the entry
        std::deque<QxVb> ahead; // GETBULK answers past the cursor, not yet taken into rows
        QxOid cursorOid;        // the cursor as an OID while a GETBULK walk keeps it, else empty
    };
    enum class BulkOutcome { Filled, Resend, FallBack };

    void CheckKind() const;
    Pdu BuildFetch(bool first);
    Pdu BuildStore();
    // With `strict`, an index part that is not a value of its syntax is refused.
    std::string EncodedIndex(bool strict = false);
    // Marks and values of a selective store, applied to vars (the caller restores them).
    void ApplySelection(const std::string& selection, const ValueSource& valueSource);
    // Processes a fetch answer; raises for errors that end the exchange.
    Step ProcessAnswer(int code, const Pdu& asked, const QxSNMPAnswer& answer);
    // `taken`, when given, gets for each binding whether its cell went into the row.
    Step ProcessRow(const Pdu& asked, const QxSNMPAnswer& answer,
                    std::vector<char>* taken = nullptr);
    // The walk state of entry i; reset when the entry no longer holds what the walk left in it.
    WalkColumn& Column(int i);
    void SendAsync(QxPduType type, Pdu pdu, Callback callback, void* owner, bool processAnswer);
    void Complete(long handle, const Pdu& asked, Callback callback, void* owner, bool processAnswer,
                  const QxSNMPAnswer& answer);
    QxSNMPTarget MakeTarget() const;

    // GETBULK walking.
    bool UseBulk() const;
    void StartWalk();
    // Whether the next step can be made from answers already received.
    bool BufferedStepReady();
    Step BufferedStep();
    Pdu BuildBulk();
    BulkOutcome TakeBulk(int status, const Pdu& asked, const QxSNMPAnswer& answer);
    void FallBackToGetNext();
    void SendBulk(Callback callback, void* owner);
    void PostBufferedStep(Callback callback, void* owner);
    void CompleteBulk(long handle, const Pdu& asked, Callback callback, void* owner,
                      const QxSNMPAnswer& answer);
    void CompleteBuffered(long handle, Callback callback, void* owner);
    // The owner's step after a GETBULK answer: what `outcome` makes of it, delivered or sent
    // on; an error it raises reaches the owner.
    void FinishBulkStep(const QxSNMPAnswer& answer, Callback callback, void* owner,
                        const std::function<BulkOutcome()>& outcome);
    void Deliver(Step step, QxSNMPError result, Callback callback, void* owner);
    // After a GETBULK answer was taken: the step for the owner, or true when another exchange
    // was sent for it instead.
    bool Continue(BulkOutcome outcome, Callback callback, void* owner, Step& step);
    // Asks the next GETBULK while the owner still takes rows from the last one, so that the
    // agent's time and the owner's overlap; at most one ahead, and only while the columns hold
    // no more than one answer's worth.
    void SendAhead();
    void CompleteAhead(long handle, const Pdu& asked, const std::vector<QxOid>& from,
                       const QxSNMPAnswer& answer);
    bool TakeAhead(const Pdu& asked, const std::vector<QxOid>& from, const QxSNMPAnswer& answer);
    void CancelAhead();

    long ahead_ = 0;            // the GETBULK sent ahead, 0 for none
    bool ownerWaiting_ = false; // the owner asked for a step that waits for it
    Callback waitingCallback_ = nullptr;
    void* waitingOwner_ = nullptr;

    int maxRepetitions_ = 0;
    std::string walkNote_;

    std::vector<WalkColumn> walk_;
    std::unordered_set<long> inFlight_;
    // Completions running at the moment; an owner may destroy the request from inside one.
    int completing_ = 0;
    // Cleared when the request is destroyed, so a completion that destroyed it stops there.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};
