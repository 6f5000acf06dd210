#!/usr/bin/env node
// The clubhouse board in the system's Chromium on a 390x844 phone: a group's
// scores entered by tapping, a second page (the board) updating itself without
// reloading, a score typed while offline sent once the network is back, and
// screenshots of the phone and TV layouts.
//   node board_phone_test.js QUILLON_CLI SCREENSHOT_FOLDER
// Exit status 0 passed, 1 failed, 77 skipped (no puppeteer-core).
'use strict';
const {spawn, execFileSync} = require('child_process');
const fs = require('fs');
const net = require('net');
const os = require('os');
const path = require('path');

let puppeteer;
try {
  puppeteer = require('puppeteer-core');
} catch (e) {
  console.log('SKIPPED: puppeteer-core is not installed (npm install in tests/browser)');
  process.exit(77);
}

const [cli, shots = fs.mkdtempSync(path.join(os.tmpdir(), 'board-shots-'))] = process.argv.slice(2);
const fail = message => { throw new Error(message); };
const check = (ok, message) => { if (!ok) fail(message); };

function freePort() {
  return new Promise(resolve => {
    const server = net.createServer();
    server.listen(0, '127.0.0.1', () => { const {port} = server.address(); server.close(() => resolve(port)); });
  });
}

async function waitFor(what, test, tries = 200) {
  for (let i = 0; i < tries; i++) {
    if (await test()) return;
    await new Promise(r => setTimeout(r, 50));
  }
  fail('timed out waiting for ' + what);
}

async function main() {
  const home = fs.mkdtempSync(path.join(os.tmpdir(), 'board-browser-'));
  execFileSync(cli, ['--demo', 'init'], {env: {...process.env, HOME: home}, stdio: 'ignore'});
  const club = path.join(home, 'ql4-demo');
  const port = await freePort();
  const server = spawn(cli, ['--home', club, 'serve', '--listen', '127.0.0.1:' + port, '--tournament', '1'],
                       {stdio: ['ignore', 'ignore', 'pipe']});
  let log = '';
  server.stderr.on('data', d => { log += d; });
  const base = 'http://127.0.0.1:' + port;
  await waitFor('the board', async () => (await fetch(base + '/api/token.json').catch(() => ({ok: false}))).ok);
  const pin = fs.readFileSync(path.join(club, 'board_pins.txt'), 'utf8').split('\n')
                  .map(l => l.split(' ')).find(f => f[0] === '1' && f[1] === '1')[2];

  const browser = await puppeteer.launch({executablePath: '/usr/bin/chromium', headless: 'new',
                                          args: ['--no-sandbox', '--disable-gpu']});
  try {
    const phone = {width: 390, height: 844, deviceScaleFactor: 2, isMobile: true, hasTouch: true};
    const board = await browser.newPage();
    await board.setViewport(phone);
    await board.goto(base + '/', {waitUntil: 'networkidle2'});
    await waitFor('the board rows', async () => (await board.$$('#rows tr')).length >= 20);
    await board.evaluate(() => { window.notReloaded = true; });
    const grossOf = name => board.evaluate(n => {
      const row = [...document.querySelectorAll('#rows tr')].find(r => r.dataset.name === n);
      return row ? row.children[2].textContent : null;
    }, name);
    const before = await grossOf('Alan Brooks');
    check(before !== null, 'Alan Brooks is on the board');
    const width = await board.evaluate(() => document.documentElement.scrollWidth);
    check(width <= 390, 'the board fits 390 px without zooming (scroll width ' + width + ')');
    await board.screenshot({path: path.join(shots, 'board-phone.png')});

    const entry = await browser.newPage();
    await entry.setViewport(phone);
    await entry.goto(base + '/group?g=1', {waitUntil: 'networkidle2'});
    await entry.waitForSelector('#group option');
    await entry.tap('#pin');
    await entry.type('#pin', pin);
    await entry.tap('#login button');
    await entry.waitForSelector('#card:not([hidden]) .keys button');
    await entry.screenshot({path: path.join(shots, 'entry-phone.png')});
    // Alan Brooks had 5 on hole 1: tap 3.
    await entry.tap('.golfer:nth-child(1) .keys button[data-score="3"]');
    await waitFor('"saved"', async () =>
      (await entry.$eval('.golfer:nth-child(1) .status', e => e.textContent)) === 'saved: 3 on hole 1');
    await waitFor('the board to update', async () => (await grossOf('Alan Brooks')) === String(Number(before) - 2));
    check(await board.evaluate(() => window.notReloaded === true), 'the board updated without reloading');

    // Offline: the tap is kept and sent when the network is back.
    await entry.tap('#next');
    await entry.setOfflineMode(true);
    await entry.tap('.golfer:nth-child(2) .keys button[data-score="4"]');
    await waitFor('the waiting note', async () =>
      (await entry.$eval('#queue', e => e.textContent)).startsWith('1 score(s) not sent yet'));
    await entry.screenshot({path: path.join(shots, 'entry-offline.png')});
    await entry.setOfflineMode(false);
    await entry.evaluate(() => window.dispatchEvent(new Event('online')));
    await waitFor('the waiting score to be sent', async () =>
      (await entry.$eval('.golfer:nth-child(2) .status', e => e.textContent)) === 'saved: 4 on hole 2');
    const card = await (await fetch(base + '/api/groups/1.json')).json();
    check(card.golfers[1].scores[1] === 4, 'the score typed offline is in the database');
    check(card.golfers[0].scores[0] === 3, 'the tapped score is in the database');

    // A refused PIN says so.
    const other = await browser.newPage();
    await other.setViewport(phone);
    await other.goto(base + '/group', {waitUntil: 'networkidle2'});
    await other.type('#pin', pin === '000000' ? '111111' : '000000');
    await other.click('#login button');
    await waitFor('the wrong PIN message', async () =>
      (await other.$eval('#login-message', e => e.textContent)) === 'Wrong PIN for group 1');

    const tv = await browser.newPage();
    await tv.setViewport({width: 1920, height: 1080});
    await tv.goto(base + '/tv', {waitUntil: 'networkidle2'});
    await waitFor('the TV rows', async () => (await tv.$$('#rows tr')).length > 3);
    const tvRows = (await tv.$$('#rows tr')).length;
    check(tvRows < 20, 'the TV shows a page of rows at a time (' + tvRows + ')');
    check(await tv.$eval('#page', e => e.textContent.startsWith('Page 1 of ')), 'the TV pages turn');
    await tv.screenshot({path: path.join(shots, 'board-tv.png')});
  } finally {
    await browser.close();
    server.kill('SIGTERM');
  }
  await new Promise(resolve => server.on('exit', resolve));
  check(/POST \/api\/groups\/1\/scores 200/.test(log), 'the server logged the saves');
  console.log('PASSED; screenshots in ' + shots);
}

main().catch(e => { console.error('FAILED: ' + e.message); process.exit(1); });
