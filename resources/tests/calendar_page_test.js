// Runs the calendar page's own script, taken from the shipped GB2312 file,
// and checks its lunar dates against dates whose lunar form is public fact.
// Usage: node calendar_page_test.js resources/kestova.html
"use strict";

const fs = require("fs");
const vm = require("vm");

const pagePath = process.argv[2];
const bytes = fs.readFileSync(pagePath);
const page = new TextDecoder("gb18030", { fatal: true }).decode(bytes);
const scripts = [...page.matchAll(/<script type="text\/javascript">([\s\S]*?)<\/script>/g)];

let failures = 0;
let checks = 0;
function check(ok, what) {
    checks++;
    if (!ok) {
        failures++;
        console.log("FAIL: " + what);
    }
}
function same(actual, expected, what) {
    check(JSON.stringify(actual) === JSON.stringify(expected),
        what + ": got " + JSON.stringify(actual) + ", expected " + JSON.stringify(expected));
}

check(scripts.length === 1, "the page holds exactly one script");
check(/<meta http-equiv="Content-Type" content="text\/html; charset=gb2312">/.test(page),
    "the page declares GB2312");
check(bytes.every((b) => b !== 0), "no NUL bytes in the page");
const cal = vm.createContext({ window: {} });
vm.runInContext(scripts[0][1], cal, { filename: "kestova.html" });
check(typeof cal.window.onload === "function", "the page starts itself on load");

function lunar(y, m, d) {
    const l = cal.lunarDate(y, m, d);
    return l && { year: l.year, month: l.month, day: l.day, leap: l.leap };
}
function addDays(y, m, d, n) {
    const t = new Date(Date.UTC(y, m - 1, d + n));
    return [t.getUTCFullYear(), t.getUTCMonth() + 1, t.getUTCDate()];
}

// Spring Festival (first day of the first lunar month) in Gregorian dates.
const springFestivals = [
    "1901-02-19", "1912-02-18", "1914-01-26", "1916-02-03", "1920-02-20", "1949-01-29",
    "1950-02-17", "1966-01-21", "1976-01-31", "1978-02-07", "1980-02-16", "1984-02-02",
    "1985-02-20", "1987-01-29", "1988-02-17", "1989-02-06", "1990-01-27", "1991-02-15",
    "1992-02-04", "1993-01-23", "1994-02-10", "1995-01-31", "1996-02-19", "1997-02-07",
    "1998-01-28", "1999-02-16", "2000-02-05", "2001-01-24", "2002-02-12", "2003-02-01",
    "2004-01-22", "2005-02-09", "2006-01-29", "2007-02-18", "2008-02-07", "2009-01-26",
    "2010-02-14", "2011-02-03", "2012-01-23", "2013-02-10", "2014-01-31", "2015-02-19",
    "2016-02-08", "2017-01-28", "2018-02-16", "2019-02-05", "2020-01-25", "2021-02-12",
    "2022-02-01", "2023-01-22", "2024-02-10", "2025-01-29", "2026-02-17", "2027-02-06",
    "2028-01-26", "2029-02-13", "2030-02-03", "2031-01-23", "2032-02-11", "2033-01-31",
    "2034-02-19",
];
for (const text of springFestivals) {
    const [y, m, d] = text.split("-").map(Number);
    same(lunar(y, m, d), { year: y, month: 1, day: 1, leap: false }, "Spring Festival " + text);
    const [py, pm, pd] = addDays(y, m, d, -1);
    const eve = lunar(py, pm, pd) || {};
    check(eve.year === y - 1 && eve.month === 12 && !eve.leap && (eve.day === 29 || eve.day === 30),
        "the eve of " + text + " ends the old year: " + JSON.stringify(eve));
}

// Other days of known lunar form: festivals and New Year's Eves.
const knownDays = [
    ["2024-02-09", 2023, 12, 30], ["2025-01-28", 2024, 12, 29], ["2020-10-01", 2020, 8, 15],
    ["2023-09-29", 2023, 8, 15], ["2024-09-17", 2024, 8, 15], ["2025-10-06", 2025, 8, 15],
    ["2023-06-22", 2023, 5, 5], ["2024-06-10", 2024, 5, 5], ["2025-05-31", 2025, 5, 5],
];
for (const [text, year, month, day] of knownDays) {
    const [y, m, d] = text.split("-").map(Number);
    same(lunar(y, m, d), { year, month, day, leap: false }, text);
}

// Leap months of lunar years (0: none), found by walking the year's days.
function leapMonthsOf(lunarYear) {
    const found = new Set();
    for (let n = 0; n < 400; n++) {
        const [y, m, d] = addDays(lunarYear, 1, 1, n);
        const l = lunar(y, m, d);
        if (l && l.year === lunarYear && l.leap) found.add(l.month);
    }
    return [...found];
}
const leapMonths = [
    [1984, 10], [1987, 6], [1990, 5], [1993, 3], [1995, 8], [1998, 5], [2001, 4], [2004, 2],
    [2006, 7], [2009, 5], [2012, 4], [2014, 9], [2017, 6], [2020, 4], [2023, 2], [2025, 6],
    [2028, 5], [2031, 3], [2033, 11], [2021, 0], [2022, 0], [2024, 0], [2026, 0],
];
for (const [year, month] of leapMonths)
    same(leapMonthsOf(year), month ? [month] : [], "leap month of lunar year " + year);

// Stem-branch names and animals of lunar years.
const yearNames = [
    [1901, "辛丑", "牛"], [1949, "己丑", "牛"], [1984, "甲子", "鼠"], [2000, "庚辰", "龙"],
    [2020, "庚子", "鼠"], [2023, "癸卯", "兔"], [2024, "甲辰", "龙"], [2025, "乙巳", "蛇"],
    [2026, "丙午", "马"],
];
for (const [year, name, animal] of yearNames)
    same([cal.yearName(year), cal.zodiac(year)], [name, animal], "name of " + year);

// Solar terms on their known days, and none the day before.
const terms = [
    ["2023-04-05", "清明"], ["2024-04-04", "清明"], ["2025-04-04", "清明"],
    ["2024-02-04", "立春"], ["2025-02-03", "立春"], ["2024-03-20", "春分"],
    ["2024-06-21", "夏至"], ["2025-06-21", "夏至"], ["2024-09-22", "秋分"],
    ["2023-12-22", "冬至"], ["2024-12-21", "冬至"], ["2025-12-21", "冬至"],
];
for (const [text, name] of terms) {
    const [y, m, d] = text.split("-").map(Number);
    same(cal.solarTerm(y, m, d), name, "solar term on " + text);
    same(cal.solarTerm(...addDays(y, m, d, -1)), "", "no solar term the day before " + text);
}

// Texts of lunar days and months.
same([1, 9, 10, 11, 19, 20, 21, 29, 30].map((d) => cal.lunarDayText(d)),
    ["初一", "初九", "初十", "十一", "十九", "二十", "廿一", "廿九", "三十"], "day texts");
same([cal.lunarMonthText(1, false), cal.lunarMonthText(4, true), cal.lunarMonthText(11, false),
    cal.lunarMonthText(12, false)], ["正月", "闰四月", "冬月", "腊月"], "month texts");

// Every day of the covered years: consecutive lunar days, whole months of 29
// or 30 days, years of 12 or 13 months with at most one leap month following
// its namesake, 24 solar terms a year, two in each month.
same([cal.FIRST_YEAR, cal.LAST_YEAR], [1901, 2100], "covered Gregorian years");
check(cal.lunarDate(1900, 12, 31) === null && cal.lunarDate(2101, 1, 1) === null,
    "no lunar date outside the covered years");
let prev = lunar(1901, 1, 1);
let monthsInYear = -1; // the year 1901-01-01 falls in is not counted whole
const termsPerMonth = new Map();
for (let n = 1; ; n++) {
    const [y, m, d] = addDays(1901, 1, 1, n);
    if (y > 2100) break;
    const l = lunar(y, m, d);
    if (!l) {
        check(false, "no lunar date for " + [y, m, d]);
        break;
    }
    const term = cal.solarTerm(y, m, d);
    if (term) termsPerMonth.set(y * 100 + m, (termsPerMonth.get(y * 100 + m) || 0) + 1);
    if (l.day === prev.day + 1) {
        if (l.year !== prev.year || l.month !== prev.month || l.leap !== prev.leap || l.day > 30)
            check(false, "lunar day steps inside a month on " + [y, m, d]);
        prev = l;
        continue;
    }
    const ok = l.day === 1 && prev.day >= 29 && (
        (l.leap && !prev.leap && l.month === prev.month && l.year === prev.year) ||
        (!l.leap && l.month === prev.month + 1 && l.year === prev.year) ||
        (!l.leap && l.month === 1 && prev.month === 12 && l.year === prev.year + 1));
    if (!ok) check(false, "new lunar month on " + [y, m, d] + ": " + JSON.stringify([prev, l]));
    if (l.year !== prev.year) {
        if (monthsInYear >= 0 && monthsInYear !== 12 && monthsInYear !== 13)
            check(false, "lunar year " + prev.year + " has " + monthsInYear + " months");
        monthsInYear = 0;
    }
    if (monthsInYear >= 0) monthsInYear++;
    prev = l;
}
check(termsPerMonth.size === 200 * 12 && [...termsPerMonth.values()].every((c) => c === 2),
    "two solar terms in every Gregorian month");

// The page itself on a minimal document: the month grid, today, navigation.
function fakeElement() {
    return { innerHTML: "", selectedIndex: -1, options: [] };
}
const elements = {};
for (const id of ["bar", "title", "grid", "detail", "year", "month", "prevYear", "prevMonth",
    "nextMonth", "nextYear", "toToday"])
    elements[id] = fakeElement();
const pageContext = vm.createContext({
    window: {},
    document: { getElementById: (id) => elements[id] },
    Option: function (text, value) { this.text = text; this.value = value; },
});
vm.runInContext(scripts[0][1], pageContext, { filename: "kestova.html" });
pageContext.window.onload();
const now = new Date();
const cells = (html) => (html.match(/<td class="[^"]*" onclick/g) || []).length;
same(elements.year.options.length, 200, "years to choose");
same(elements.month.options.length, 12, "months to choose");
same([elements.year.selectedIndex, elements.month.selectedIndex],
    [now.getFullYear() - 1901, now.getMonth()], "opens on this month");
check((elements.grid.innerHTML.match(/class="[^"]*today/g) || []).length === 1, "today highlighted once");
check(elements.detail.innerHTML.startsWith(now.getFullYear() + "年" + (now.getMonth() + 1) + "月"
    + now.getDate() + "日"), "today described: " + elements.detail.innerHTML);
elements.year.selectedIndex = 2024 - 1901;
elements.year.onchange.call(elements.year);
elements.month.selectedIndex = 1;
elements.month.onchange.call(elements.month);
same(cells(elements.grid.innerHTML), 29, "February 2024 has 29 days");
check(elements.grid.innerHTML.includes(">10</div><div class=\"lunar first\">正月</div>"),
    "Spring Festival 2024 marked as the first month");
check(elements.title.innerHTML.includes("癸卯年【兔年】至甲辰年【龙年】"), "title: " + elements.title.innerHTML);
pageContext.pickDay(10);
check(elements.detail.innerHTML.includes("2024年2月10日 星期六　农历正月初一　甲辰年【龙年】"),
    "picked day: " + elements.detail.innerHTML);
elements.nextMonth.onclick();
elements.nextYear.onclick();
same([elements.year.selectedIndex + 1901, elements.month.selectedIndex + 1], [2025, 3], "next month, next year");
same(cells(elements.grid.innerHTML), 31, "March 2025 has 31 days");
elements.prevYear.onclick();
elements.prevMonth.onclick();
same([elements.year.selectedIndex + 1901, elements.month.selectedIndex + 1], [2024, 2], "back again");
for (let i = 0; i < 3; i++) elements.nextYear.onclick();
elements.year.selectedIndex = 199;
elements.year.onchange.call(elements.year);
elements.nextYear.onclick();
elements.nextMonth.onclick();
same([elements.year.selectedIndex + 1901, elements.month.selectedIndex + 1], [2100, 12], "stops at the last month");
elements.toToday.onclick();
same(elements.year.selectedIndex + 1901, now.getFullYear(), "back to today");

console.log(checks + " checks, " + failures + " failed");
process.exit(failures ? 1 : 0);
