// Drives `quillon-report mcp` with the official client over the sample practice: every tool with good arguments
// (the client checks each result against the tool's output schema; its text must equal the quillon-report
// command's output), bad calls that must fail and leave the server serving, and the names and notes that must not
// leave it without --identify.
// node mcp_client.mjs QUILLON_REPORT PRACTICE_DIR WORK_DIR
import { Client } from '@modelcontextprotocol/sdk/client/index.js';
import { StdioClientTransport } from '@modelcontextprotocol/sdk/client/stdio.js';
import { LATEST_PROTOCOL_VERSION } from '@modelcontextprotocol/sdk/types.js';
import { spawn, spawnSync } from 'node:child_process';
import assert from 'node:assert/strict';
import { rmSync } from 'node:fs';

const [report, dir, work] = process.argv.slice(2);
const book = `${work}/casebook.sqlite`;
rmSync(book, { force: true });
const run = (...words) => {
  const r = spawnSync(report, ['--dir', dir, '--casebook', book, ...words], { encoding: 'utf8' });
  assert.equal(r.status, 0, `quillon-report ${words.join(' ')}: ${r.stderr}`);
  return r.stdout;
};
// An analysis with a note and a prescription with a note: both private.
const [analysisNote, rxNote] = ['Note-of-the-analysis-7431', 'Note-of-the-prescription-9902'];
run('save-analysis', '1002', '--visit', '1', '--name', 'Second look', '--note', analysisNote, '--do', 'mind');
run('prescribe', '--analysis', '1', '--rank', '1', '--potency', '200C', '--note', rxNote);
const patients = run('patients').trim().split('\n').map((l) => l.split('\t'));
const secrets = [patients[0][1], ...patients.slice(1).map((p) => p[1]), analysisNote, rxNote];

// tool, arguments, the command's words, the output's record tag and the structured array holding its records
const p = { patient: '1002' };
const calls = [
  ['list_visits', p, ['visits', '1002'], '', 'visits'],
  ['visit_symptoms', { ...p, visit: 1 }, ['symptoms', '1002', '--visit', '1'], '', 'lines'],
  ['repertorise', { ...p, visit: 1, actions: ['mind', 'sorted'] }, ['chart', '1002', '--visit', '1', '--do', 'mind', '--do', 'sorted'], 'R', 'remedies'],
  ['repertorise', { patient: '1006', visit: 1, top: 5 }, ['chart', '1006', '--visit', '1'], 'R', 'remedies', 5],
  ['strategies', { ...p, actions: ['eliminate:2'], top: 5 }, ['strategies', '1002', '--do', 'eliminate:2', '--top', '5'], 'K', 'rows'],
  ['families', { ...p, kingdom: 'plant', top: 4 }, ['families', '1002', '--kingdom', 'plant', '--top', '4'], 'F', 'families'],
  ['compare_visits', { ...p, fromVisit: 1, toVisit: 0, top: 6 }, ['compare', '1002', '1', '0', '--top', '6'], 'R', 'remedies'],
  ['stability', { patient: '1003', visit: 2, top: 5 }, ['stability', '1003', '--visit', '2', '--top', '5'], 'R', 'remedies'],
  ['symptom_coverage', { ...p, rank: 2 }, ['covered', '1002', '2'], 'C', 'covered'],
  ['materia_medica', { ...p, option: 'compare', marks: 'all', ranks: [1, 3] }, ['materia-medica', '1002', 'compare', 'all', '1', '3'], 'L', 'lines'],
  ['analyses', p, ['analyses', '1002'], 'A', 'analyses'],
  ['open_analysis', { ...p, analysis: 1 }, ['chart', '1002', '--analysis', '1'], 'R', 'remedies'],
];
const bad = [
  ['repertorise', { patient: 'X9' }, /no patient X9/],
  ['repertorise', { ...p, visit: 7 }, /no visit 7/],
  ['repertorise', { ...p, visit: '1' }, /visit must be a whole number/],
  ['repertorise', { ...p, actions: ['fly'] }, /fly/],
  ['repertorise', { ...p, actions: ['undelete:0'] }, /undelete/],
  ['symptom_coverage', { ...p, rank: 9999 }, /./],
  ['open_analysis', { patient: '1001', analysis: 1 }, /belongs to patient 1002/],
  ['list_visits', { patient: '1002', extra: 1 }, /unknown argument extra/],
];

let negotiated;
async function connect(identify) {
  const args = ['mcp', '--dir', dir, '--casebook', book, ...(identify ? ['--identify'] : [])];
  const client = new Client({ name: 'quillon-test', version: '1' });
  const transport = new StdioClientTransport({ command: report, args, stderr: 'ignore' });
  transport.setProtocolVersion = (version) => (negotiated = version);
  await client.connect(transport);
  return client;
}
const textOf = (result) => result.content.map((c) => c.text).join('');

const client = await connect(false);
assert.equal(negotiated, LATEST_PROTOCOL_VERSION);
const tools = (await client.listTools()).tools;
assert.deepEqual(tools.map((t) => t.name).sort(), [...new Set(calls.map((c) => c[0])), 'list_patients'].sort());
for (const t of tools) assert.ok(t.title && t.outputSchema && t.annotations.readOnlyHint, t.name);
const seen = [];
for (const [name, args, words, tag, key, top] of calls) {
  const result = await client.callTool({ name, arguments: args });
  seen.push(result);
  assert.ok(!result.isError, `${name}: ${textOf(result)}`);
  let expected = run(...words);
  if (name === 'visit_symptoms') expected = expected.replace(/^Patient Name :.*?  Date/m, 'Patient Name :1002  Date').replace(/^Physician Name: .*$/m, 'Physician Name: ');
  if (top) expected = expected.split('\n').filter((l, i, all) => !l.startsWith('R\t') || all.slice(0, i).filter((k) => k.startsWith('R\t')).length < top).join('\n');
  assert.equal(textOf(result), expected, name);
  const records = expected.split('\n').filter((l) => (tag ? l.startsWith(tag + '\t') : l.length > 0));
  assert.equal(result.structuredContent[key].length, records.length, `${name} ${key}`);
}
const chart = seen[2].structuredContent.remedies[0];
assert.ok(Number.isInteger(chart.code) && chart.fullName.length > 0 && chart.grades.length > 0);
assert.deepEqual(seen[11].structuredContent.analysis.steps, ['mind']);
assert.equal(seen[11].structuredContent.prescriptions[0].potency, '200C');
for (const [name, args, message] of bad) {
  const result = await client.callTool({ name, arguments: args });
  assert.ok(result.isError, `${name} ${JSON.stringify(args)} did not fail`);
  assert.match(textOf(result), message);
  seen.push(result, await client.callTool({ name: 'list_visits', arguments: p }));
  assert.ok(!seen.at(-1).isError);
}
await assert.rejects(client.callTool({ name: 'no_such_tool', arguments: {} }), /no tool/);
const listed = await client.callTool({ name: 'list_patients', arguments: {} });
seen.push(listed);
assert.equal(textOf(listed), patients.slice(1).map((r) => [r[0], r[2], r[3]].join('\t') + '\n').join(''));
assert.equal(listed.structuredContent.patients[1].visits, 2);
const leaked = secrets.filter((s) => seen.some((r) => JSON.stringify(r).includes(s)));
assert.deepEqual(leaked, [], 'private texts left the server');
await client.close();

const named = await connect(true);
const full = await named.callTool({ name: 'list_patients', arguments: {} });
assert.equal(textOf(full), run('patients'));
const opened = await named.callTool({ name: 'open_analysis', arguments: { ...p, analysis: 1 } });
assert.equal(opened.structuredContent.analysis.notes, analysisNote);
assert.equal(opened.structuredContent.prescriptions[0].note, rxNote);
await named.close();

// Below the client: a line of 100 MB is answered and dropped, and the next message is served.
const raw = spawn(report, ['mcp', '--dir', dir], { stdio: ['pipe', 'pipe', 'ignore'] });
let answers = '';
raw.stdout.on('data', (d) => (answers += d));
raw.stdin.write('{"x":"' + 'a'.repeat(100 << 20) + '"}\n{"jsonrpc":"2.0","id":5,"method":"ping"}\nnot json\n');
raw.stdin.end();
await new Promise((done) => raw.on('close', done));
const lines = answers.trim().split('\n').map((l) => JSON.parse(l));
assert.deepEqual(lines.map((l) => l.error?.code ?? l.result), [-32600, {}, -32700]);
console.log(`mcp client: ${calls.length} calls, ${bad.length} bad calls, privacy and a 100 MB line checked`);
