#!/usr/bin/env node
// Compiles the four day lists of the popular almanac (吉神宜趋, 宜, 凶神宜忌,
// 忌) into refdata/rules/almanac_day_lists.tsv, and cross-checks the columns
// of table huangdao that the database build computes by rule.
//
// The lists come from the open almanac library lunar-javascript (MIT licence,
// version 1.7.7), asked through its public functions, one date at a time.
// The library is not part of Lumeno: install it into a scratch folder outside
// the repository and name that folder here. Nothing of it runs when Lumeno is
// built or used.
//
//   mkdir /tmp/almanac-lib && cd /tmp/almanac-lib && npm install lunar-javascript@1.7.7
//   node refdata/tools/almanac/compile.js --lib /tmp/almanac-lib/node_modules/lunar-javascript \
//        --out refdata/rules/almanac_day_lists.tsv
//   node refdata/tools/almanac/compile.js --lib ... --check build/release/bin/VelBirth.dll
//
// Compiling: every day from 1901-01-01 to 2100-12-31 is asked for its month
// branch (the month of the solar-term calendar, which begins on the day of its
// 节) and its day stem-branch, and for its four lists. The popular almanac
// keys the lists by exactly these two things, 12 x 60 = 720 cells; the script
// stops with a report if two days of one cell ever give different lists, or if
// a cell has no day.
//
// Checking: reads every row of huangdao with the sqlite3 program and compares
// each rule-computed column with what the library says for the same day,
// printing the agreement per column and a few examples of each disagreement.
'use strict';

const fs = require('fs');
const path = require('path');
const { execFileSync } = require('child_process');

function usage(message) {
  if (message) console.error(message);
  console.error('usage: compile.js --lib DIR (--out FILE | --check DATABASE)');
  process.exit(2);
}

const args = {};
for (let i = 2; i < process.argv.length; i += 2) {
  const name = process.argv[i];
  if (!name.startsWith('--') || i + 1 >= process.argv.length) usage('bad argument ' + name);
  args[name.slice(2)] = process.argv[i + 1];
}
if (!args.lib || (!args.out && !args.check)) usage();
const { Solar } = require(path.resolve(args.lib));

const BRANCHES = '子丑寅卯辰巳午未申酉戌亥';
const STEMS = '甲乙丙丁戊己庚辛壬癸';
const CYCLE = [];
for (let n = 0; n < 60; n++) CYCLE.push(STEMS[n % 10] + BRANCHES[n % 12]);

function* everyDay() {
  let s = Solar.fromYmd(1901, 1, 1);
  while (s.getYear() <= 2100) {
    yield s;
    s = s.next(1);
  }
}

const ymd = (s) => s.toYmd();

function compile(outFile) {
  const cells = new Map();
  let days = 0;
  const conflicts = [];
  for (const s of everyDay()) {
    const l = s.getLunar();
    const key = l.getMonthZhi() + '\t' + l.getDayInGanZhi();
    const lists = [l.getDayJiShen(), l.getDayYi(), l.getDayXiongSha(), l.getDayJi()].map((a) => a.join(' '));
    const value = lists.join('\t');
    days++;
    const seen = cells.get(key);
    if (!seen) cells.set(key, { value, first: ymd(s), count: 1 });
    else if (seen.value !== value) conflicts.push(`${ymd(s)} (${key}) differs from ${seen.first}`);
    else seen.count++;
  }
  if (conflicts.length) {
    console.error(`${conflicts.length} days disagree with the first day of their cell:`);
    for (const c of conflicts.slice(0, 20)) console.error('  ' + c);
    process.exit(1);
  }
  const lines = [];
  for (const m of BRANCHES) {
    // Twelve months in branch order, each with its sixty days in cycle order.
    for (const d of CYCLE) {
      const cell = cells.get(m + '\t' + d);
      if (!cell) {
        console.error(`no day falls in the cell ${m} ${d}`);
        process.exit(1);
      }
      lines.push(`${m}\t${d}\t${cell.value}`);
    }
  }
  const counts = [...cells.values()].map((c) => c.count);
  const header = [
    '# The four day lists of the popular almanac, by the month branch of the',
    '# solar-term month (which begins on the day of its 节) and the day stem-branch.',
    '# Lists are separated by one blank, in the order almanacs print them.',
    '# Compiled by refdata/tools/almanac/compile.js from lunar-javascript 1.7.7',
    '# (MIT licence) over every day 1901-01-01 to 2100-12-31: ' + days + ' days,',
    `# 720 cells of ${Math.min(...counts)} to ${Math.max(...counts)} days each, every day of a cell alike.`,
    'month\tday\tjsyq\tyi\txsyq\tji',
  ];
  fs.writeFileSync(outFile, header.concat(lines).join('\n') + '\n');
  console.log(`${outFile}: 720 cells from ${days} days`);
}

// What the library says for the columns the database build computes by rule,
// in the forms the build writes them.
function libraryColumns(l) {
  const month = l.getMonthInChinese() + '月';  // 闰 included for a leap month
  const week = '日一二三四五六'[l.getSolar().getWeek()];
  return {
    suici: `${l.getYearInGanZhi()}年 ${l.getMonthInGanZhi()}月 ${l.getDayInGanZhi()}日`,
    tszf: l.getDayPositionTai(),
    wuhang: `${l.getDayNaYin()} ${l.getZhiXing()}执位`,
    cong: `冲${l.getDayChongShengXiao()}(${l.getDayChongGan()}${l.getDayChong()})煞${l.getDaySha()}`,
    pzbj: `${l.getPengZuGan()} ${l.getPengZuZhi()}`,
    lunar: `农历${month}${l.getDayInChinese()} 星期${week}`,
    dayGod: `${l.getDayTianShen()}${l.getDayTianShenType()}日`,
    officer: `${l.getZhiXing()}日`,
    lists: [l.getDayJiShen(), l.getDayYi(), l.getDayXiongSha(), l.getDayJi()].map((a) => a.join(' ')).join('|'),
  };
}

function check(database) {
  const sql = 'select gn, nn, suici, tszf, wuhang, cong, pzbj, jsyq, yi, xsyq, ji from huangdao order by gn';
  const out = execFileSync('sqlite3', ['-separator', '\t', '-readonly', database, sql], {
    encoding: 'utf8',
    maxBuffer: 1 << 30,
  });
  const rows = new Map();
  for (const line of out.split('\n')) {
    if (!line) continue;
    const f = line.split('\t');
    const nn = f[1].split(' ');  // lunar date, weekday, day god, officer
    rows.set(f[0], {
      suici: f[2], tszf: f[3], wuhang: f[4], cong: f[5], pzbj: f[6],
      lunar: nn[0] + ' ' + nn[1], dayGod: nn[2], officer: nn[3],
      lists: [f[7], f[8], f[9], f[10]].join('|'),
    });
  }
  const names = ['suici', 'tszf', 'wuhang', 'cong', 'pzbj', 'lunar', 'dayGod', 'officer', 'lists'];
  const tally = Object.fromEntries(names.map((n) => [n, { agree: 0, examples: new Map() }]));
  let days = 0, missing = 0;
  for (const s of everyDay()) {
    days++;
    const ours = rows.get(ymd(s));
    if (!ours) {
      missing++;
      continue;
    }
    const theirs = libraryColumns(s.getLunar());
    for (const n of names) {
      if (ours[n] === theirs[n]) {
        tally[n].agree++;
        continue;
      }
      const kind = `${ours[n]}  <>  ${theirs[n]}`;
      const e = tally[n].examples;
      if (!e.has(kind)) e.set(kind, { first: ymd(s), count: 0 });
      e.get(kind).count++;
    }
  }
  console.log(`${days} days, ${rows.size} rows, ${missing} days without a row`);
  for (const n of names) {
    const t = tally[n];
    console.log(`${n.padEnd(8)} ${t.agree} of ${days - missing} agree`);
    const kinds = [...t.examples.entries()].sort((a, b) => b[1].count - a[1].count);
    for (const [kind, e] of kinds.slice(0, 8)) console.log(`    ${e.count} days, first ${e.first}: ${kind}`);
    if (kinds.length > 8) console.log(`    ... ${kinds.length - 8} more kinds`);
  }
}

if (args.out) compile(args.out);
if (args.check) check(args.check);
