#include "CnoteFields.h"

#include "controls/BoxFormat.h"

namespace CnoteFields {
namespace {

constexpr ColumnBox kText[] = {
    {"cnoteNumber", Number}, {"startway", StartWay}, {"endway", EndWay}, {"midway1", MidWay1},
    {"midway2", MidWay2}, {"fromName", FromName}, {"fromAddr", FromAddr}, {"fromLxr", FromLxr},
    {"fromPhone", FromPhone}, {"toName", ToName}, {"toAddr", ToAddr}, {"toLxr", ToLxr},
    {"toPhone", ToPhone}, {"comments", Comments}, {"qianshou", Signer}, {"qianID", SignerId},
    {"rk", Warehouse}, {"sl", Acceptor}, {"sk", Cashier}, {"zdr", Maker}, {"shr", Auditor},
};

constexpr ColumnBox kMoney[] = {
    {"yuanfee", Freight}, {"zhisongfee", DirectFee}, {"biaofee", InsuranceFee}, {"qitafee", OtherFee},
    {"xianjin", Cash}, {"quankuan", Owed}, {"tihuofukuan", OnCollection}, {"huikou", Rebate},
    {"yifuhuikou", RebatePaid}, {"toyunfee", CollectFreight}, {"tohuokuan", CollectGoods},
};

constexpr ColumnBox kCounts[] = {{"songhuodan", DeliveryCopies}, {"fapiao", InvoiceCopies}};

}  // namespace

std::span<const ColumnBox> TextColumns() { return kText; }
std::span<const ColumnBox> MoneyColumns() { return kMoney; }
std::span<const ColumnBox> CountColumns() { return kCounts; }

bool IsNumberBox(int box)
{
    return (box >= Freight && box <= Subtotal) || (box >= Cash && box <= InvoiceCopies);
}

std::optional<double> ReadAmount(const QString& text)
{
    if (text.trimmed().isEmpty())
        return 0.0;
    return BoxFormat::ParseNumber(text);
}

QString SqlNumber(double value)
{
    return BoxFormat::FormatNumber(value);
}

}  // namespace CnoteFields
