// Whole-page translation inside the page's document. This runs in the program's own script
// world: the page's scripts can neither see nor call anything defined here, and nothing the
// page's DOM holds is ever run or parsed as markup by it.
//
// A block is an element with text of its own; its inline elements become numbered
// placeholders (<x1>...</x1>, <x2/>) so that a translation can move them, and the very same
// element nodes are put back around the translated text. The nodes a block held before are
// kept, so the original comes back exactly, without a reload.
(function () {
  'use strict';
  if (window.QuortPageTranslation)
    return;

  var MaxBlockChars = 20000;
  var MaxMessageChars = 1000000;
  var MaxHoverChars = 2000;

  function tagSet(names) {
    var set = Object.create(null);
    names.split(' ').forEach(function (name) { set[name] = true; });
    return set;
  }
  // Inline elements whose text belongs to the sentence around them.
  var Inline = tagSet('A ABBR B BDI BDO BIG CITE DATA DEL DFN EM FONT I INS LABEL MARK NOBR Q S ' +
                      'SMALL SPAN STRIKE STRONG SUB SUP TIME TT U');
  // Inline elements kept in their place whose content is not text to translate.
  var Atomic = tagSet('BR WBR IMG CODE KBD SAMP VAR INPUT SELECT TEXTAREA SVG MATH IFRAME ' +
                      'OBJECT EMBED CANVAS VIDEO AUDIO PICTURE METER PROGRESS OUTPUT SCRIPT ' +
                      'STYLE NOSCRIPT TEMPLATE');
  // Elements never looked into.
  var Closed = tagSet('SCRIPT STYLE NOSCRIPT TEMPLATE TEXTAREA INPUT SELECT CODE KBD SAMP SVG ' +
                      'MATH IFRAME OBJECT EMBED CANVAS VIDEO AUDIO HEAD');

  var token = '';
  var active = false;
  var nextId = 1;
  var blocks = new Map();      // id -> block
  var blockOf = new Map();     // root element -> block
  var containerMemo = new Map();
  var observer = null;
  var titleBlock = null;

  function refused(element) {
    if (element.getAttribute('translate') === 'no' || element.classList.contains('notranslate'))
      return true;
    return element.isContentEditable;
  }

  // An inline element all of whose content is text, other such elements or atomic ones.
  function isContainer(element) {
    if (containerMemo.has(element))
      return containerMemo.get(element);
    var result = Inline[element.tagName] === true && !refused(element);
    for (var child = element.firstElementChild; result && child; child = child.nextElementSibling)
      result = isContainer(child) || Atomic[child.tagName] === true;
    containerMemo.set(element, result);
    return result;
  }

  function hasOwnText(element) {
    for (var child = element.firstChild; child; child = child.nextSibling) {
      if (child.nodeType === Node.TEXT_NODE && /\S/.test(child.data))
        return true;
      if (child.nodeType === Node.ELEMENT_NODE && isContainer(child) && hasOwnText(child))
        return true;
    }
    return false;
  }

  function escapeText(text) {
    return text.replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;')
        .replace(/"/g, '&quot;');
  }

  function plainText(element) {
    return (element.textContent || '').replace(/\s+/g, ' ').trim();
  }

  function serialize(node, block, keepSpace) {
    var out = '';
    for (var child = node.firstChild; child; child = child.nextSibling) {
      if (child.nodeType === Node.TEXT_NODE) {
        out += escapeText(keepSpace ? child.data : child.data.replace(/\s+/g, ' '));
      } else if (child.nodeType === Node.ELEMENT_NODE) {
        block.elements.push(child);
        block.parents.push(node);
        var number = block.elements.length;
        if (isContainer(child)) {
          block.saved.push([child, Array.prototype.slice.call(child.childNodes)]);
          out += '<x' + number + '>' + serialize(child, block, keepSpace) + '</x' + number + '>';
        } else {
          out += '<x' + number + '/>';
        }
      }
    }
    return out;
  }

  function makeBlock(root) {
    var block = {id: 0, root: root, elements: [], parents: [], saved: [], hover: null};
    block.saved.push([root, Array.prototype.slice.call(root.childNodes)]);
    var keepSpace = root.closest('pre') !== null;
    var fragment = serialize(root, block, keepSpace);
    if (!keepSpace)
      fragment = fragment.trim();
    if (fragment.length === 0 || fragment.length > MaxBlockChars)
      return null;
    block.id = nextId++;
    block.fragment = fragment;
    blocks.set(block.id, block);
    blockOf.set(root, block);
    return block;
  }

  // The blocks in element and below it that are not blocks yet.
  function collect(element, found) {
    if (Closed[element.tagName] || refused(element))
      return;
    if (!blockOf.has(element) && hasOwnText(element)) {
      var block = makeBlock(element);
      if (block)
        found.push(block);
    }
    for (var child = element.firstElementChild; child; child = child.nextElementSibling) {
      if (!isContainer(child))
        collect(child, found);
    }
  }

  // What is on screen first, then the rest, each in document order; shown counts the
  // leading blocks the reader sees, which the program puts in as soon as they come.
  function screenFirst(found) {
    var shown = [], rest = [];
    var height = window.innerHeight, width = window.innerWidth;
    found.forEach(function (block) {
      var box = block.root.getBoundingClientRect();
      var onScreen = box.bottom > 0 && box.top < height && box.right > 0 && box.left < width &&
                     (box.width > 0 || box.height > 0);
      (onScreen ? shown : rest).push(block);
    });
    return {blocks: shown.concat(rest), shown: shown.length};
  }

  // Messages of at most MaxMessageChars; the first goes back as the value of start. Each
  // says how many of its leading blocks are on screen.
  function messages(ordered) {
    var list = [], current = [], size = 0;
    ordered.blocks.forEach(function (block) {
      if (size + block.fragment.length > MaxMessageChars && current.length > 0) {
        list.push(current);
        current = [];
        size = 0;
      }
      current.push([block.id, block.fragment]);
      size += block.fragment.length + 16;
    });
    if (current.length > 0)
      list.push(current);
    var shownLeft = ordered.shown;
    return list.map(function (entries) {
      var shown = Math.min(shownLeft, entries.length);
      shownLeft -= shown;
      return JSON.stringify({token: token, shown: shown, blocks: entries});
    });
  }

  function post(found) {
    messages(screenFirst(found)).forEach(function (message) { quortPost(message); });
  }

  // The translation's text and placeholders; anything else that looks like markup is text.
  function tokens(fragment) {
    var pattern = /<x(\d{1,6})\s*\/>|<x(\d{1,6})>|<\/x(\d{1,6})>|&(#x[0-9a-fA-F]{1,6}|#[0-9]{1,7}|amp|lt|gt|quot|apos);|[^<&]+|[<&]/g;
    var names = {amp: '&', lt: '<', gt: '>', quot: '"', apos: "'"};
    var list = [], match;
    while ((match = pattern.exec(fragment)) !== null) {
      if (match[1])
        list.push({kind: 'empty', number: +match[1]});
      else if (match[2])
        list.push({kind: 'open', number: +match[2]});
      else if (match[3])
        list.push({kind: 'close', number: +match[3]});
      else if (match[4]) {
        var name = match[4], code = -1;
        if (name[0] !== '#')
          list.push({kind: 'text', text: names[name]});
        else {
          code = name[1] === 'x' ? parseInt(name.slice(2), 16) : parseInt(name.slice(1), 10);
          var valid = code > 0 && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF);
          list.push({kind: 'text', text: valid ? String.fromCodePoint(code) : match[0]});
        }
      } else
        list.push({kind: 'text', text: match[0]});
    }
    return list;
  }

  function setHover(block) {
    var root = block.root;
    block.hover = {had: root.hasAttribute('title'), value: root.getAttribute('title')};
    var original = plainText(root);
    if (original.length > MaxHoverChars)
      original = original.slice(0, MaxHoverChars) + '…';
    root.setAttribute('title', original);
  }

  function clearHover(block) {
    if (!block.hover)
      return;
    if (block.hover.had)
      block.root.setAttribute('title', block.hover.value);
    else
      block.root.removeAttribute('title');
    block.hover = null;
  }

  // Puts the block's text together again around its own element nodes.
  function rebuild(block, fragment) {
    if (!block.hover)
      setHover(block);
    var containers = block.saved.map(function (pair) { return pair[0]; });
    containers.forEach(function (element) {
      while (element.firstChild)
        element.removeChild(element.firstChild);
    });
    var stack = [block.root];
    var placed = new Set();
    var text = '';
    function flush() {
      if (text.length > 0)
        stack[stack.length - 1].appendChild(document.createTextNode(text));
      text = '';
    }
    tokens(fragment).forEach(function (item) {
      if (item.kind === 'text') {
        text += item.text;
        return;
      }
      var element = block.elements[item.number - 1];
      if (item.kind === 'close') {
        if (stack.length > 1 && stack[stack.length - 1] === element) {
          flush();
          stack.pop();
        }
        return;
      }
      if (!element || placed.has(element))
        return;
      flush();
      placed.add(element);
      stack[stack.length - 1].appendChild(element);
      if (item.kind === 'open' && containers.indexOf(element) > 0)
        stack.push(element);
    });
    flush();
    // A placeholder the translation lost still goes back, so no link or field disappears.
    block.elements.forEach(function (element, index) {
      if (!placed.has(element))
        block.parents[index].appendChild(element);
    });
  }

  function restoreBlock(block) {
    block.saved.forEach(function (pair) { pair[0].replaceChildren.apply(pair[0], pair[1]); });
    clearHover(block);
  }

  function forget(block) {
    clearHover(block);
    blocks.delete(block.id);
    blockOf.delete(block.root);
  }

  function titleText(fragment) {
    return tokens(fragment).map(function (item) { return item.kind === 'text' ? item.text : ''; })
        .join('');
  }

  // Our own changes are not the page's: records already waiting are the page's and are
  // handled first, those our change makes are dropped.
  function quietly(change) {
    if (observer)
      changed(observer.takeRecords());
    change();
    if (observer)
      observer.takeRecords();
  }

  // The nearest element that is not inline text of a sentence.
  function blockElement(node) {
    var element = node.nodeType === Node.ELEMENT_NODE ? node : node.parentElement;
    while (element && element !== document.body && isContainer(element))
      element = element.parentElement;
    return element;
  }

  function changed(records) {
    if (!active || records.length === 0)
      return;
    containerMemo = new Map();
    // Elements whose own text changed, and new elements to look through.
    var owners = [], trees = [];
    records.forEach(function (record) {
      if (document.head && document.head.contains(record.target))
        return;
      var ownText = record.type === 'characterData';
      if (record.type === 'childList') {
        record.addedNodes.forEach(function (node) {
          if (node.nodeType === Node.ELEMENT_NODE && !isContainer(node))
            trees.push(node);
          else
            ownText = true;
        });
        record.removedNodes.forEach(function (node) {
          if (node.nodeType !== Node.ELEMENT_NODE || isContainer(node))
            ownText = true;
        });
      }
      var owner = blockElement(record.target);
      if (owner && (ownText || blockOf.has(owner)))
        owners.push(owner);
    });
    var found = [];
    owners.forEach(function (owner) {
      // The page rewrote a block: what it holds now is the new original.
      var known = blockOf.get(owner);
      if (known)
        forget(known);
      if (owner.isConnected && !Closed[owner.tagName] && !refused(owner) && hasOwnText(owner)) {
        var block = makeBlock(owner);
        if (block)
          found.push(block);
      }
    });
    trees.forEach(function (element) {
      if (element.isConnected)
        collect(element, found);
    });
    if (found.length > 0)
      post(found);
  }

  function makeTitleBlock() {
    var text = document.title.replace(/\s+/g, ' ').trim();
    if (text.length === 0 || text.length > MaxBlockChars)
      return null;
    var block = {id: nextId++, title: true, original: document.title, shown: null,
                 fragment: escapeText(text)};
    blocks.set(block.id, block);
    return block;
  }

  function start(newToken) {
    if (active)
      stop();
    token = String(newToken);
    active = true;
    containerMemo = new Map();
    // After a failure, what was never put back is asked for again; what was stays.
    blocks.forEach(function (block, id) {
      if (block.title ? block.shown !== null : block.hover !== null)
        return;
      blocks.delete(id);
      if (!block.title)
        blockOf.delete(block.root);
    });
    var found = [];
    var title = null;
    if (!titleBlock || titleBlock.shown === null || document.title !== titleBlock.shown)
      title = titleBlock = makeTitleBlock();
    if (document.body)
      collect(document.body, found);
    observer = new MutationObserver(changed);
    observer.observe(document.documentElement,
                     {childList: true, subtree: true, characterData: true});
    var ordered = screenFirst(found);
    if (title) {
      ordered.blocks.unshift(title);
      ++ordered.shown;
    }
    var list = messages(ordered);
    for (var i = 1; i < list.length; ++i)
      quortPost(list[i]);
    return list.length > 0 ? list[0] : JSON.stringify({token: token, shown: 0, blocks: []});
  }

  function apply(givenToken, entries) {
    if (!active || givenToken !== token)
      return 0;
    var count = 0;
    quietly(function () {
      entries.forEach(function (entry) {
        var block = blocks.get(entry[0]);
        if (!block || typeof entry[1] !== 'string')
          return;
        if (block.title) {
          block.shown = titleText(entry[1]);
          document.title = block.shown;
        } else if (block.root.isConnected) {
          rebuild(block, entry[1]);
        }
        ++count;
      });
    });
    return count;
  }

  function stop() {
    if (observer)
      observer.disconnect();
    observer = null;
    active = false;
  }

  function restore(givenToken) {
    if (givenToken !== token)
      return false;
    stop();
    blocks.forEach(function (block) {
      if (block.title) {
        if (block.shown !== null && document.title === block.shown)
          document.title = block.original;
      } else {
        restoreBlock(block);
      }
    });
    blocks = new Map();
    blockOf = new Map();
    titleBlock = null;
    return true;
  }

  window.addEventListener('pagehide', function () {
    if (active)
      quortPost(JSON.stringify({token: token, gone: true}));
  });

  window.QuortPageTranslation = {
    start: start,
    apply: apply,
    restore: restore,
    stop: function (givenToken) {
      if (givenToken === token)
        stop();
    },
    token: function () { return active ? token : ''; }
  };
})();
