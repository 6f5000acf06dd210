#include "exchange/board/board_pages.h"

namespace quillon::board {

std::string board_page() {
  return R"(<!DOCTYPE html>
<html lang="en"><head><meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>Clubhouse Board</title><link rel="stylesheet" href="/board.css"></head>
<body class="board">
<header><h1 id="name">Clubhouse Board</h1><p id="about"></p><span id="live" class="live off">offline</span></header>
<main>
<table id="ranking"><thead><tr id="columns"></tr></thead><tbody id="rows"></tbody></table>
<p id="note"></p>
<section id="course"><h2>On the course</h2>
<table><thead><tr><th class="name">Golfer</th><th>Group</th><th>Thru</th><th>Strokes</th></tr></thead>
<tbody id="playing"></tbody></table></section>
</main>
<footer><a href="/group" id="enter">Enter scores</a> <span id="page"></span></footer>
<img id="qr" src="/qr.svg" alt="QR code of this board">
<script src="/board.js"></script>
</body></html>
)";
}

std::string group_page(const std::string& token) {
  return R"(<!DOCTYPE html>
<html lang="en"><head><meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<meta name="board-token" content=")" +
         token + R"(">
<title>Score Entry</title><link rel="stylesheet" href="/board.css"></head>
<body class="entry">
<header><h1 id="name">Score Entry</h1><a href="/">Board</a></header>
<main>
<form id="login">
<label>Group <select id="group"></select></label>
<label>PIN <input id="pin" inputmode="numeric" autocomplete="off" maxlength="6" pattern="[0-9]*"></label>
<button type="submit" class="big">Start</button>
<p id="login-message" class="message"></p>
</form>
<section id="card" hidden>
<div class="hole-bar"><button id="prev" class="big" type="button">&lsaquo;</button>
<div><div id="hole" class="hole">Hole 1</div><div id="par" class="par"></div></div>
<button id="next" class="big" type="button">&rsaquo;</button></div>
<p id="queue" class="message"></p>
<div id="golfers"></div>
<button id="leave" type="button">Other group</button>
</section>
</main>
<script src="/group.js"></script>
</body></html>
)";
}

std::string board_style() {
  return R"(*{box-sizing:border-box}
body{margin:0;font-family:"Liberation Sans",Arial,sans-serif;background:#f4f7f5;color:#102a1e}
header{background:#006545;color:#fff;padding:10px 12px;position:relative}
header h1{margin:0;font-size:1.3em}header p{margin:2px 0 0;font-size:.9em}
header a{color:#fff;position:absolute;right:12px;top:14px}
.live{position:absolute;right:10px;top:10px;font-size:.75em;padding:2px 6px;border-radius:8px;background:#2e8b57}
.live.off{background:#a33}
main{padding:8px}
table{width:100%;border-collapse:collapse;background:#fff}
th{background:#006545;color:#fff;padding:6px 4px;font-size:.85em}
td{padding:8px 4px;text-align:center;border-bottom:1px solid #dde5e0;font-size:1em}
td.name,th.name{text-align:left}td.members{font-size:.8em;color:#3d5a4c}
tr.changed td{background:#fff6bf}
#course h2{font-size:1em;margin:16px 0 6px}
#note{font-size:.9em;color:#555}
footer{padding:10px 12px}
footer a{display:inline-block;background:#006545;color:#fff;padding:12px 18px;border-radius:8px;text-decoration:none}
#qr{display:none}
body.tv{font-size:2.2vw;background:#06281b;color:#fff}
body.tv header{padding:1vw 2vw}body.tv .live{font-size:.6em}
body.tv table{background:#0b3a27}body.tv td{color:#fff;border-color:#145c3f;padding:.5vw}
body.tv #course,body.tv footer a{display:none}
body.tv #qr{display:block;position:fixed;right:1.5vw;bottom:1.5vw;width:12vw;height:12vw;background:#fff}
body.tv main{margin-right:14vw}
body.tv #page{position:fixed;right:1.5vw;top:3.2vw;color:#9fc;font-size:.8em}
.entry label{display:block;margin:12px 0;font-size:1.1em}
.entry select,.entry input{display:block;width:100%;font-size:1.4em;padding:10px;margin-top:4px}
button{font-size:1.1em;padding:10px 14px;border-radius:8px;border:1px solid #006545;background:#fff;color:#006545}
button.big{font-size:1.4em;min-width:64px;min-height:56px;background:#006545;color:#fff}
.hole-bar{display:flex;justify-content:space-between;align-items:center;margin:6px 0 12px}
.hole{font-size:1.6em;font-weight:bold;text-align:center}.par{text-align:center}
.golfer{background:#fff;border-radius:10px;padding:10px;margin-bottom:12px;box-shadow:0 1px 3px #0002}
.golfer h3{margin:0 0 4px;font-size:1.15em;display:flex;justify-content:space-between}
.golfer .status{font-size:.9em;min-height:1.3em;margin:4px 0}
.status.saved{color:#1a7f37}.status.refused{color:#b00020}.status.waiting{color:#8a6d00}
.keys{display:grid;grid-template-columns:repeat(5,1fr);gap:6px}
.keys button{min-height:52px;font-size:1.3em;padding:0}
.keys button.chosen{background:#006545;color:#fff}
.message{color:#b00020;min-height:1.2em}
)";
}

std::string board_script() {
  return R"JS('use strict';
const tv = location.pathname === '/tv' || new URLSearchParams(location.search).has('tv');
if (tv) document.body.classList.add('tv');
let board = null, page = 0, previous = {};
const el = id => document.getElementById(id);
function cell(tag, text, cls) {
  const c = document.createElement(tag);
  c.textContent = text;
  if (cls) c.className = cls;
  return c;
}
function render(data) {
  board = data;
  el('name').textContent = data.name || 'Clubhouse Board';
  el('about').textContent = [data.date, data.course, data.format].filter(Boolean).join(' · ');
  const head = el('columns');
  head.replaceChildren(cell('th', 'Pos'), cell('th', data.event ? 'Golfer' : 'Golfer(s)', 'name'));
  (data.columns || []).forEach(c => head.appendChild(cell('th', c)));
  showPage();
  const playing = el('playing');
  playing.replaceChildren();
  (data.on_course || []).forEach(p => {
    const tr = document.createElement('tr');
    tr.append(cell('td', p.name, 'name'), cell('td', String(p.group)), cell('td', String(p.thru)),
              cell('td', String(p.strokes)));
    playing.appendChild(tr);
  });
  el('course').hidden = !(data.on_course || []).length;
  el('note').textContent = data.note || data.error || '';
}
function rowsPerPage() {
  if (!tv) return 1e6;
  const free = window.innerHeight - el('ranking').getBoundingClientRect().top - 40;
  const first = el('rows').firstElementChild;
  const h = first ? first.getBoundingClientRect().height : 40;
  return Math.max(3, Math.floor(free / Math.max(h, 20)) - 1);
}
function showPage() {
  if (!board) return;
  const body = el('rows');
  const rows = board.rows || [];
  const fill = from => {
    body.replaceChildren();
    rows.slice(from, from + per).forEach(r => {
      const tr = document.createElement('tr');
      tr.dataset.name = r.name;
      const name = cell('td', r.name, 'name');
      if (r.members && r.members.length > 1) {
        name.textContent = '';
        name.appendChild(cell('div', r.members[0]));
        name.appendChild(cell('div', r.members.slice(1).join(', '), 'members'));
      }
      tr.append(cell('td', String(r.rank)), name);
      r.values.forEach(v => tr.appendChild(cell('td', v)));
      const key = r.name + '|' + r.group;
      if (previous[key] !== undefined && previous[key] !== r.values.join('|')) tr.className = 'changed';
      body.appendChild(tr);
    });
  };
  let per = 1e6;
  fill(0);
  per = rowsPerPage();
  const pages = Math.max(1, Math.ceil(rows.length / per));
  if (page >= pages) page = 0;
  fill(page * per);
  el('page').textContent = pages > 1 ? 'Page ' + (page + 1) + ' of ' + pages : '';
  previous = {};
  rows.forEach(r => { previous[r.name + '|' + r.group] = r.values.join('|'); });
}
if (tv) setInterval(() => { page++; showPage(); }, 8000);
fetch('/api/board.json').then(r => r.json()).then(render).catch(() => {});
const events = new EventSource('/events');
events.addEventListener('board', e => { render(JSON.parse(e.data)); });
events.onopen = () => { el('live').textContent = 'live'; el('live').className = 'live'; };
events.onerror = () => { el('live').textContent = 'reconnecting'; el('live').className = 'live off'; };
window.addEventListener('resize', showPage);
)JS";
}

std::string group_script() {
  return R"JS('use strict';
const el = id => document.getElementById(id);
const token = document.querySelector('meta[name=board-token]').content;
const store = window.localStorage;
let card = null, hole = 1, login = JSON.parse(sessionStorage.getItem('board-login') || 'null');
let queue = JSON.parse(store.getItem('board-queue') || '[]'), sending = false;
const status = {};
function text(tag, t, cls) { const e = document.createElement(tag); e.textContent = t; if (cls) e.className = cls; return e; }
function saveQueue() { store.setItem('board-queue', JSON.stringify(queue)); showQueue(); }
function showQueue() {
  el('queue').textContent = queue.length ? queue.length + ' score(s) not sent yet: they go as soon as the network is back.' : '';
}
async function post(path, body) {
  return fetch(path, {method: 'POST', headers: {'Content-Type': 'application/json', 'X-Board-Pin': login.pin,
                      'X-Board-Token': token}, body: JSON.stringify(body)});
}
async function loadGroups() {
  const data = await (await fetch('/api/groups.json')).json();
  const select = el('group');
  select.replaceChildren();
  data.groups.forEach(g => {
    const o = text('option', g.group + ': ' + g.names.join(', '));
    o.value = g.group;
    select.appendChild(o);
  });
  const wanted = new URLSearchParams(location.search).get('g');
  if (wanted) select.value = wanted;
}
async function loadCard() {
  const r = await fetch('/api/groups/' + login.group + '.json');
  if (!r.ok) throw new Error('no card');
  card = await r.json();
  // Scores typed here but not sent yet stay on the card.
  queue.filter(q => q.group === login.group).forEach(q => {
    const g = card.golfers.find(x => x.slot === q.golfer);
    if (g) g.scores[q.hole - 1] = q.shown;
  });
  el('name').textContent = card.name + ' · Group ' + card.group;
  el('login').hidden = true;
  el('card').hidden = false;
  showHole();
}
function total(g) { return g.scores.reduce((a, s) => a + (s > 0 ? s : 0), 0); }
function toPar(g) {
  let d = 0;
  g.scores.forEach((s, i) => { if (s > 0) d += s - g.par[i]; });
  return d === 0 ? 'E' : (d > 0 ? '+' + d : String(d));
}
function showHole() {
  el('hole').textContent = 'Hole ' + hole;
  const pars = [...new Set(card.golfers.map(g => g.par[hole - 1]))];
  el('par').textContent = 'Par ' + pars.join('/');
  const box = el('golfers');
  box.replaceChildren();
  card.golfers.forEach(g => {
    const div = document.createElement('div');
    div.className = 'golfer';
    const h = document.createElement('h3');
    h.append(text('span', g.name), text('span', 'Total ' + total(g) + ' (' + toPar(g) + ')', 'total'));
    div.appendChild(h);
    if (g.members && g.members.length) div.appendChild(text('div', g.members.join(', '), 'members'));
    const st = status[g.slot + '.' + hole] || {cls: '', msg: ''};
    div.appendChild(text('div', st.msg, 'status ' + st.cls));
    const keys = document.createElement('div');
    keys.className = 'keys';
    const choices = [1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15];
    if (card.pickup) choices.push('X');
    choices.forEach(v => {
      const b = text('button', String(v));
      b.type = 'button';
      b.dataset.golfer = g.slot;
      b.dataset.score = v;
      if (g.scores[hole - 1] === v) b.classList.add('chosen');
      b.addEventListener('click', () => enter(g, v));
      keys.appendChild(b);
    });
    div.appendChild(keys);
    box.appendChild(div);
  });
  el('prev').disabled = hole <= 1;
  el('next').disabled = hole >= card.holes;
  showQueue();
}
function enter(g, v) {
  const was = g.scores[hole - 1] || 0;
  queue.push({group: login.group, golfer: g.slot, hole: hole, score: v, was: was, shown: v});
  g.scores[hole - 1] = v;
  status[g.slot + '.' + hole] = {cls: 'waiting', msg: 'sending…'};
  saveQueue();
  showHole();
  send();
}
async function send() {
  if (sending || !queue.length || !login) return;
  sending = true;
  try {
    while (queue.length) {
      const q = queue[0];
      let r;
      try {
        r = await post('/api/groups/' + q.group + '/scores', {golfer: q.golfer, hole: q.hole, score: q.score, was: q.was});
      } catch (e) {
        status[q.golfer + '.' + q.hole] = {cls: 'waiting', msg: 'not sent yet: no network'};
        break;
      }
      const reply = await r.json().catch(() => ({}));
      queue.shift();
      const key = q.golfer + '.' + q.hole;
      const g = card && card.golfers.find(x => x.slot === q.golfer);
      if (r.ok) {
        status[key] = {cls: 'saved', msg: 'saved: ' + reply.stored + ' on hole ' + q.hole};
        if (g) g.scores[q.hole - 1] = reply.stored;
      } else if (r.status === 409) {
        status[key] = {cls: 'refused', msg: 'changed at the desk meanwhile: hole ' + q.hole + ' now says ' + (reply.stored || 'nothing') + '. Tap again to change it.'};
        if (g) g.scores[q.hole - 1] = reply.stored;
      } else if (r.status === 403 || r.status === 429) {
        queue.unshift(q);
        el('login-message').textContent = reply.error || 'The PIN was refused';
        el('card').hidden = true;
        el('login').hidden = false;
        break;
      } else {
        status[key] = {cls: 'refused', msg: 'not saved: ' + (reply.error || r.status)};
        if (g) g.scores[q.hole - 1] = reply.stored !== undefined ? reply.stored : q.was;
      }
      saveQueue();
    }
  } finally {
    sending = false;
    saveQueue();
    if (card && !el('card').hidden) showHole();
  }
}
el('login').addEventListener('submit', async e => {
  e.preventDefault();
  login = {group: Number(el('group').value), pin: el('pin').value.trim()};
  let r;
  try { r = await post('/api/groups/' + login.group + '/pin', {}); } catch (x) {
    el('login-message').textContent = 'The board cannot be reached: check the Wi-Fi.';
    return;
  }
  const reply = await r.json().catch(() => ({}));
  if (!r.ok) { el('login-message').textContent = reply.error || 'The PIN was refused'; return; }
  el('login-message').textContent = '';
  sessionStorage.setItem('board-login', JSON.stringify(login));
  hole = 1;
  await loadCard();
  send();
});
el('prev').addEventListener('click', () => { if (hole > 1) { hole--; showHole(); } });
el('next').addEventListener('click', () => { if (hole < card.holes) { hole++; showHole(); } });
el('leave').addEventListener('click', () => {
  sessionStorage.removeItem('board-login');
  login = null; card = null;
  el('card').hidden = true; el('login').hidden = false;
});
window.addEventListener('online', send);
setInterval(send, 5000);
const events = new EventSource('/events');
events.addEventListener('board', () => { if (card && !queue.length && !sending) loadCard().catch(() => {}); });
loadGroups().then(() => { if (login) loadCard().then(send).catch(() => {}); }).catch(() => {
  el('login-message').textContent = 'The board cannot be reached: check the Wi-Fi.';
});
showQueue();
)JS";
}

}  // namespace quillon::board
