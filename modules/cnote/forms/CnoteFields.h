#pragma once

#include <QString>

#include <optional>
#include <span>

// The entry boxes of the consignment note and the cnote columns they hold.
namespace CnoteFields {

enum Box {
    FromName = 0, ToName = 1, NoteDate = 2, FromAddr = 3, StartWay = 4, MidWay2 = 5, FromLxr = 6,
    MidWay1 = 7, FromPhone = 8, ToAddr = 9, ToLxr = 10, MakeDate = 11, Maker = 12, AuditDate = 13,
    Auditor = 14, ToPhone = 15, Freight = 16, DirectFee = 17, InsuranceFee = 18, OtherFee = 19,
    Subtotal = 20, Number = 21, EndWay = 22, Cash = 23, Owed = 24, OnCollection = 25, Rebate = 26,
    RebatePaid = 27, CollectFreight = 28, CollectGoods = 29, DeliveryCopies = 30, InvoiceCopies = 31,
    Signer = 32, SignerId = 33, Warehouse = 34, Acceptor = 35, Cashier = 36, Comments = 37,
};
inline constexpr int kBoxCount = 38;

// Collection-mode check boxes chkTH(0..3).
enum Check { SelfCollect = 0, Direct = 1, SignedReceipt = 2, Receipt = 3 };

struct ColumnBox {
    const char* column;
    int box;
};

// Text columns shown as they are.
std::span<const ColumnBox> TextColumns();
// Money columns: plain decimal text, empty at 0 (the subtotal is listed separately).
std::span<const ColumnBox> MoneyColumns();
// Whole counts: empty at 0.
std::span<const ColumnBox> CountColumns();
// The boxes that hold numbers: money, subtotal and counts.
bool IsNumberBox(int box);

// The amount an entry box shows: 0 when empty, nothing when the text is not a plain number
// (a grouping comma or letters), so that no other amount than the one shown can be stored.
std::optional<double> ReadAmount(const QString& text);
// An amount as decimal text for a statement.
QString SqlNumber(double value);

}  // namespace CnoteFields
