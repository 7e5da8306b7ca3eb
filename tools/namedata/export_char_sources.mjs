// Writes what the npm data packages know about every CJK character as one
// TSV for namedata-build: readings (most frequent first), the reading as a
// surname, and the radical and structure a dictionary shows.
//
// usage: node export_char_sources.mjs NODE_MODULES_DIR OUTPUT_TSV
import fs from 'node:fs';
import path from 'node:path';
import { createRequire } from 'node:module';

const [modulesDir, output] = process.argv.slice(2);
if (!modulesDir || !output) {
    console.error('usage: node export_char_sources.mjs NODE_MODULES_DIR OUTPUT_TSV');
    process.exit(2);
}
const require = createRequire(path.join(path.resolve(modulesDir), 'index.js'));

function load(name) {
    try {
        return require(name);
    } catch (error) {
        console.error(`export_char_sources: missing npm package ${name} in ${modulesDir}` +
                      ' (run ./build.sh, which installs it)');
        process.exit(1);
    }
}

const { pinyin } = load('pinyin-pro');

// cnchar-radical keeps its table as JSON inside its bundle: radical →
// "strokes:" followed by pairs of (character, structure letter).
function radicalTable() {
    const bundle = fs.readFileSync(require.resolve('cnchar-radical'), 'utf8');
    const tables = [...bundle.matchAll(/JSON\.parse\('(.*?)'\)/g)].map((m) => JSON.parse(m[1]));
    const structures = tables.find((t) => t.a === '左右结构');
    const radicals = tables.find((t) => t['*'] !== undefined);
    if (!structures || !radicals) {
        console.error('export_char_sources: unexpected cnchar-radical bundle');
        process.exit(1);
    }
    const table = new Map();
    for (const [radical, value] of Object.entries(radicals)) {
        if (radical === '*') continue;
        const chars = [...value.slice(value.indexOf(':') + 1)];
        for (let i = 0; i + 1 < chars.length; i += 2) {
            table.set(chars[i], [radical, structures[chars[i + 1]] ?? '']);
        }
    }
    // The radicals themselves stand alone: "*" lists them with their structure.
    const own = [...radicals['*']];
    for (let i = 0; i < own.length; ) {
        const c = own[i];
        const letter = own[i + 1];
        i += 2;
        while (i < own.length && /[0-9]/.test(own[i])) i += 1;
        if (!table.has(c)) table.set(c, [c, structures[letter] ?? '']);
    }
    return table;
}

const radicals = radicalTable();
const isPinyin = (s) => /^[a-zA-Zāáǎàēéěèīíǐìōóǒòūúǔùǖǘǚǜüńňǹḿ]+$/.test(s);

const lines = ['汉字\t读音\t姓氏读音\t部首\t结构'];
const ranges = [[0x3007, 0x3007], [0x4e00, 0x9fff], [0xf900, 0xfaff]];
for (const [first, last] of ranges) {
    for (let code = first; code <= last; code += 1) {
        const c = String.fromCodePoint(code);
        const readings = pinyin(c, { multiple: true, type: 'array' }).filter(isPinyin);
        const surname = pinyin(c, { surname: 'head', type: 'array' }).filter(isPinyin);
        const [radical, structure] = radicals.get(c) ?? ['', ''];
        if (readings.length === 0 && !radical) continue;
        lines.push([c, readings.join(' '), surname[0] ?? '', radical, structure].join('\t'));
    }
}
fs.writeFileSync(output, lines.join('\n') + '\n');
