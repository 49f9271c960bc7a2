#include "schema/DemoNotes.h"

#include "database/Database.h"
#include "schema/StandardData.h"
#include "schema/Transaction.h"

#include <QHash>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <array>

namespace {

const std::array kCities = {"北京", "上海", "广州", "深圳", "天津", "重庆", "成都", "武汉", "杭州", "南京",
                            "西安", "郑州", "长沙", "沈阳", "青岛", "厦门", "昆明", "济南", "合肥", "福州"};
const std::array kCompanies = {"华联商贸有限公司", "东方电器厂", "宏达机械有限公司", "新世纪服装厂", "金桥食品公司",
                               "长城五金批发部", "天成建材有限公司", "恒通物流中心", "益民医药公司", "光明纸业有限公司",
                               "远航电子科技公司", "丰收农资站"};
const std::array kPeople = {"张伟", "王芳", "李娜", "刘强", "陈静", "杨洋", "赵磊", "黄敏", "周杰", "吴丽"};
const std::array kGoods = {"电视机", "洗衣机", "服装", "茶叶", "五金配件", "书籍", "药品", "纸箱", "电缆", "轮胎",
                           "办公桌椅", "陶瓷"};
const std::array kPackaging = {"纸箱", "木箱", "编织袋", "托盘", "散装"};
const std::array kModes = {"自提", "直送", ""};

template <typename Array>
QString pick(QRandomGenerator& rng, const Array& values)
{
    return QString::fromUtf8(values[rng.bounded(static_cast<int>(values.size()))]);
}

double money(QRandomGenerator& rng, int max)
{
    return rng.bounded(max * 100) / 100.0;
}

QString phone(QRandomGenerator& rng)
{
    return QStringLiteral("13%1").arg(rng.bounded(100000000, 999999999));
}

// Binds the values in order and executes; false with the driver's message in *error.
bool execute(QSqlQuery& query, const QVariantList& values, QString* error)
{
    for (int i = 0; i < values.size(); ++i)
        query.bindValue(i, values.at(i));
    if (query.exec())
        return true;
    *error = query.lastError().text();
    return false;
}

bool insertNotes(Database& db, int count, quint32 seed, const QDate& today, QString* error)
{
    QSqlDatabase connection = QSqlDatabase::database(db.ConnectionName(), false);
    QSqlQuery note(connection);
    QSqlQuery line(connection);
    QSqlQuery state(connection);
    if (!note.prepare(QStringLiteral(
            "insert into cnote (cnoteID, progid, smark, status, cnoteDate, cnoteNumber, startway, endway, midway1, midway2, "
            "fromName, fromAddr, fromPhone, fromLxr, toName, toAddr, toPhone, toLxr, yuanfee, zhisongfee, biaofee, qitafee, "
            "hejiyunfee, xianjin, quankuan, tihuofukuan, huikou, yifuhuikou, toyunfee, tohuokuan, songhuodan, fapiao, "
            "qianshou, qianID, rk, sl, sk, comments, consignMode, signhd, signfp, zdr, zdDate, shr, shDate) values "
            "(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"))
        || !line.prepare(QStringLiteral("insert into cnoteMx (cnoteNumber, rowIndex, goods, piece, packaging, weight, "
                                        "bulkfactor, ward, feeweight) values (?,?,?,?,?,?,?,?,?)"))
        || !state.prepare(QStringLiteral("insert into xt_numberstate (progid, datekey, lastno) values (?,?,?)"))) {
        *error = note.lastError().text() + line.lastError().text() + state.lastError().text();
        return false;
    }

    QRandomGenerator rng(seed);
    const int firstId = db.Execute(QStringLiteral("select max(cnoteID) from cnote"), 1).Value().toInt() + 1;
    QHash<QString, int> perDay;  // date key -> last running number
    for (int i = 0; i < count; ++i) {
        const QDate date = today.addDays(-rng.bounded(365));
        const QString dateKey = date.toString(QStringLiteral("yyyyMMdd"));
        const int running = ++perDay[dateKey];
        const QString number = dateKey + QStringLiteral("%1").arg(running, 4, 10, QLatin1Char('0'));
        const QString isoDate = date.toString(Qt::ISODate);
        const bool audited = rng.bounded(4) == 0;
        const double freight = money(rng, 3000), direct = money(rng, 200), insurance = money(rng, 100), other = money(rng, 50);
        const double subtotal = freight + direct + insurance + other;
        const int split = rng.bounded(3);
        const QString from = pick(rng, kCities);
        QString to = pick(rng, kCities);
        if (to == from)
            to = pick(rng, kCities);
        const QVariantList noteValues = {
            firstId + i, StandardData::kNoteProgram, audited ? "02" : "01", audited ? QStringLiteral("审核") : QStringLiteral("填单"),
            isoDate, number, from, to, QString(), QString(),
            pick(rng, kCompanies), from + QStringLiteral("市工业路%1号").arg(rng.bounded(1, 300)), phone(rng), pick(rng, kPeople),
            pick(rng, kCompanies), to + QStringLiteral("市商业街%1号").arg(rng.bounded(1, 300)), phone(rng), pick(rng, kPeople),
            freight, direct, insurance, other, subtotal,
            split == 0 ? subtotal : 0.0, split == 1 ? subtotal : 0.0, split == 2 ? subtotal : 0.0,
            money(rng, 50), 0.0, 0.0, rng.bounded(5) == 0 ? money(rng, 5000) : 0.0,
            rng.bounded(3), rng.bounded(2), QString(), QString(), pick(rng, kPeople), pick(rng, kPeople), pick(rng, kPeople),
            QString(), pick(rng, kModes), rng.bounded(2), rng.bounded(2), QStringLiteral("admin"), isoDate,
            audited ? QStringLiteral("admin") : QString(), audited ? QVariant(isoDate) : QVariant(QMetaType(QMetaType::QString)),
        };
        if (!execute(note, noteValues, error))
            return false;
        const int lines = rng.bounded(1, 6);
        for (int row = 1; row <= lines; ++row) {
            const double weight = rng.bounded(1, 20000) / 10.0;
            if (!execute(line, {number, row, pick(rng, kGoods), rng.bounded(1, 200), pick(rng, kPackaging), weight,
                                rng.bounded(1, 500) / 100.0, money(rng, 20000), weight * 1.1},
                         error))
                return false;
        }
    }
    // The numbering continues after the demo numbers of each day.
    for (auto it = perDay.cbegin(); it != perDay.cend(); ++it) {
        if (!execute(state, {StandardData::kNoteProgram, it.key(), it.value()}, error))
            return false;
    }
    return true;
}

}  // namespace

bool DemoNotes::Generate(Database& db, int count, quint32 seed, const QDate& today, QString* error)
{
    if (count <= 0)
        return true;
    return RunInTransaction(db, [&](QString* failure) { return insertNotes(db, count, seed, today, failure); }, error);
}
