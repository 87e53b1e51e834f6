"""The texts of the shipped card descriptions, in card identifier order.

Each entry: (normal text, reversed text, normal keywords, reversed keywords).
A text may hold several lines separated by "\n"; each becomes one document
line ending in "<br />". Plain ASCII only: the files are 8-bit text.
"""

BLANK = (
    "The blank card has no meaning of its own. It stands for what cannot be known yet: "
    "the answer is still open, or the question needs to be asked another way.\n"
    "Leave the position empty in your mind, look at the cards around it, and trust what "
    "you see there.",
    "Open, not yet written",
)

MAJORS = [
    # 1 The Magician
    ("The Magician has every tool on the table and the skill to use them. This is a time to act: "
     "what you need is already at hand, and your will can turn an idea into something real.\n"
     "Concentrate, begin, and let word and deed match.",
     "Talent is scattered or used to deceive. Plans stay talk, or someone is playing tricks with "
     "you, or you with yourself. Check motives before you trust a clever offer.",
     "Will, skill, a beginning made real", "Trickery, wasted talent, empty words"),
    # 2 The High Priestess
    ("The High Priestess keeps the knowledge that is not spoken. Listen to the quiet voice inside, "
     "to dreams and hunches; not everything is shown yet, and you need not act at once.\n"
     "Wait, watch and trust what you know without being told.",
     "The inner voice is drowned by noise, or secrets are kept that ought to be told. You may be "
     "looking only at the surface of things. Make room for silence again.",
     "Intuition, hidden knowledge, patience", "Secrets, ignored intuition, shallowness"),
    # 3 The Empress
    ("The Empress is abundance: growth, comfort, fertility in every sense. Ideas ripen, "
     "relationships are warm and the body wants care and pleasure.\n"
     "Nurture what you have planted and let it grow in its own time.",
     "Care turns into smothering, or the giver has forgotten to look after herself. Creative work "
     "may feel blocked. Give yourself the care you give others.",
     "Abundance, nurture, creativity", "Dependence, neglect, creative block"),
    # 4 The Emperor
    ("The Emperor brings order: rules, plans and firm ground under the feet. Authority is used "
     "to protect and to build, and steady discipline wins the day.\n"
     "Take charge, set limits and keep your word.",
     "Order has become rigid, or there is none at all. Beware of a tyrant, of stubbornness, or of "
     "chaos where a plan is needed. Power needs wisdom to be worth having.",
     "Structure, authority, stability", "Rigidity, domination, lack of discipline"),
    # 5 The Hierophant
    ("The Hierophant stands for tradition and teaching: the wisdom of schools, faiths and "
     "established ways. Good advice comes from someone who knows the path.\n"
     "Belonging to a group or learning from a mentor helps now.",
     "Rules are followed without being understood, or it is time to find your own way outside "
     "convention. Question the dogma, keep the wisdom.",
     "Tradition, teaching, good counsel", "Dogma, rebellion, an unconventional path"),
    # 6 The Lovers
    ("The Lovers speak of love and of a choice made by the heart. Two people or two paths meet, "
     "and values line up with desire.\n"
     "Choose what you truly love and stand by the choice.",
     "Love is out of balance, or a choice was made for the wrong reasons. Temptation pulls "
     "against what you value. Be honest about what you really want.",
     "Love, union, a choice of the heart", "Disharmony, temptation, a wrong choice"),
    # 7 The Chariot
    ("The Chariot is victory won by will. Opposing forces are held in check and driven the same "
     "way; the road is open and travel is favoured.\n"
     "Keep the reins firm and your aim in sight.",
     "The horses pull apart: direction is lost, or force is used where control is needed. Plans "
     "stall. Stop, decide where you are going, then set off again.",
     "Will, drive, victory", "Loss of direction, aggression, a stalled plan"),
    # 8 Justice
    ("Justice weighs everything fairly. Truth comes out, actions have their due effects and "
     "agreements or legal matters are settled in balance.\n"
     "Be honest, take responsibility and expect a fair result.",
     "Something is unfair, or someone avoids the consequences of their deeds. Look again at the "
     "facts before you judge, and own your part.",
     "Fairness, truth, cause and effect", "Injustice, dishonesty, evasion"),
    # 9 The Hermit
    ("The Hermit withdraws to find the light within. Solitude, study and reflection bring "
     "answers that no crowd can give; a wise guide may appear.\n"
     "Step back from the noise and look inward.",
     "Withdrawal has gone too far and turned into loneliness, or you refuse to look inside at "
     "all. Let someone in, or make the time for quiet you keep putting off.",
     "Solitude, reflection, inner guidance", "Isolation, loneliness, avoidance"),
    # 10 The Wheel of Fortune
    ("The Wheel turns: a change of luck, a turning point, a new cycle. Things move that seemed "
     "fixed, and chance plays its part.\n"
     "Go with the turn and make the most of the moment.",
     "The wheel turns against you for a while: setbacks, delays, bad luck. Resisting the change "
     "only makes it harder. What goes down comes up again.",
     "Change, a turning point, good fortune", "Setback, resistance to change, bad luck"),
    # 11 Strength
    ("Strength is courage with a gentle hand. The wild force is tamed by patience and kindness, "
     "not by force; inner strength carries you through.\n"
     "Be brave, be calm, and trust yourself.",
     "Self-doubt weakens you, or feelings run wild and out of control. Find the quiet courage "
     "again before you act.",
     "Courage, patience, compassion", "Self-doubt, weakness, raw emotion"),
    # 12 The Hanged Man
    ("The Hanged Man hangs still and sees the world upside down. A pause, a surrender or a "
     "sacrifice brings a new way of seeing things.\n"
     "Let go of the need to act now; the insight comes while you wait.",
     "The pause has become stalling: a decision is put off, or a sacrifice is made for nothing. "
     "It is time to move again.",
     "Pause, surrender, a new view", "Stalling, indecision, a useless sacrifice"),
    # 13 Death
    ("Death is rarely about dying: it is the end of a chapter and the room that an ending makes. "
     "Something old is over, and its clearing away lets the new come in.\n"
     "Accept the ending and turn towards what follows.",
     "Clinging to what has ended keeps everything stuck. Change comes anyway; resisting it only "
     "makes the passage slower and harder.",
     "Ending, transformation, transition", "Resistance to change, stagnation"),
    # 14 Temperance
    ("Temperance mixes and balances. Moderation, patience and the right measure bring healing "
     "and harmony; opposites blend into something better.\n"
     "Take the middle way and give things time.",
     "Something is out of balance: too much, too fast, or at odds. Look for what is in excess "
     "and restore the measure.",
     "Balance, moderation, patience", "Excess, imbalance, haste"),
    # 15 The Devil
    ("The Devil shows the chains we accept: habits, cravings, fears, the pull of money or power. "
     "The chains are looser than they look.\n"
     "Name what binds you; that is the first step to freedom.",
     "The chains begin to fall away: an addiction is faced, a bad bond broken, the shadow seen "
     "for what it is. Keep going.",
     "Bondage, temptation, materialism", "Release, breaking free, facing the shadow"),
    # 16 The Tower
    ("The Tower falls: a sudden upheaval, a shock, a truth that breaks through. What was built "
     "on false ground comes down at once.\n"
     "It is hard, but it clears the way for something sound.",
     "The crisis is held off, or the change is feared and delayed. The tower still stands but "
     "shakes; better to rebuild it yourself than wait for the lightning.",
     "Upheaval, revelation, sudden change", "Fear of change, a crisis delayed"),
    # 17 The Star
    ("The Star shines after the storm: hope, healing, calm and inspiration. The future looks "
     "brighter and faith returns.\n"
     "Trust, rest, and let the light guide you.",
     "Hope is dimmed and faith in yourself is shaken. The star is still there behind the "
     "clouds; small steps will bring it back into view.",
     "Hope, renewal, inspiration", "Discouragement, lost faith"),
    # 18 The Moon
    ("The Moon lights the road only half way. Things are not what they seem; fears, dreams and "
     "illusions mix with the truth.\n"
     "Go carefully, trust your instinct, and do not sign anything in the dark.",
     "The fog lifts: confusion clears, fears lose their hold and hidden things come to light. What frightened you in the dark looks smaller by day.",
     "Illusion, fear, uncertainty", "Clarity returning, fears released"),
    # 19 The Sun
    ("The Sun is joy without shadow: success, health, warmth and clear sight. Things go well "
     "and you may shine.\n"
     "Enjoy it and share it.",
     "The sun is behind a cloud for a moment: joy is muted, or success makes you careless. "
     "The light is still there.",
     "Joy, success, vitality", "Muted joy, overconfidence"),
    # 20 Judgement
    ("Judgement is the call to wake up. The past is weighed, lessons are drawn and a new life "
     "can begin; you hear what you are called to do.\n"
     "Answer the call and forgive what needs forgiving.",
     "The call goes unheard, or you judge yourself too harshly. Doubt holds you back from a "
     "fresh start that is waiting.",
     "Awakening, reckoning, renewal", "Self-doubt, a call refused"),
    # 21 The Fool
    ("The Fool steps off into the unknown with a light heart. A new beginning, a leap of faith, "
     "an adventure; everything is possible.\n"
     "Trust the road and travel light.",
     "The leap is reckless, or fear keeps you from taking it at all. Look before you jump, but "
     "do jump when the time is right.",
     "Beginning, spontaneity, faith", "Recklessness, folly, hesitation"),
    # 22 The World
    ("The World is the journey completed: fulfilment, wholeness, a goal reached. A cycle closes "
     "in harmony and the world opens wide.\n"
     "Celebrate, then take the next step.",
     "The end is in sight but not reached: loose ends, delays, something left unfinished. "
     "Close the circle before you start a new one.",
     "Completion, fulfilment, wholeness", "Loose ends, delay, no closure"),
]

# Ranks Ace..Ten, Page, Knight, Queen, King for each suit.
WANDS = [
    ("The Ace of Wands is a spark of fire: a new idea, a venture, a surge of energy and "
     "desire. Something wants to be started.\nSeize the inspiration while it burns.",
     "The spark will not catch: delays, lack of drive or a plan that never leaves the ground. Wait for the right moment, or look for what really fires you.",
     "Inspiration, new venture, energy", "Delay, lack of drive"),
    ("The Two of Wands holds the world in its hand and looks out. Plans are made and a path "
     "is chosen; the future is being shaped.",
     "Fear of the unknown keeps you at home, or planning is poor. Decide, then go.",
     "Planning, vision, choice of path", "Fear of the unknown, poor planning"),
    ("The Three of Wands watches the ships come in. Efforts begin to pay off, horizons widen "
     "and trade or travel abroad is favoured.",
     "Obstacles and delays hold back what was sent out. Be patient and check the plan.",
     "Expansion, foresight, progress", "Obstacles, delays"),
    ("The Four of Wands is a celebration: a homecoming, a milestone, harmony in the family or "
     "community. Stand still and enjoy what has been built.",
     "Tension at home or a celebration that falls flat. The foundation is there; the harmony "
     "needs work.",
     "Celebration, home, harmony", "Tension at home, unease"),
    ("The Five of Wands is a scuffle: competition, quarrels, everyone pulling their own way. "
     "The struggle can sharpen skills if it stays fair.",
     "The conflict ends, or is avoided when it should be faced. Look for common ground.",
     "Competition, conflict, struggle", "Resolution, avoided conflict"),
    ("The Six of Wands rides in to applause. Victory, recognition and public success; your "
     "effort is seen.",
     "Success goes to the head, or praise does not come. Do not depend on applause.",
     "Victory, recognition, success", "Ego, a fall from grace"),
    ("The Seven of Wands holds the high ground against many. Defend your position; with "
     "courage and perseverance you can hold it.",
     "You feel overwhelmed and ready to give up. Choose which fights are worth it.",
     "Defence, perseverance, courage", "Overwhelm, giving up"),
    ("The Eight of Wands flies through the air: swift action, messages, movement and news. "
     "Things happen fast now.",
     "Delays and frustration; messages go astray and plans move slowly. Wait for the wind.",
     "Speed, messages, movement", "Delay, frustration"),
    ("The Nine of Wands stands wounded but upright. You have come far; one more effort and "
     "the line will hold. Guard your limits.",
     "Exhaustion and suspicion; you see attacks everywhere. Rest before you go on.",
     "Resilience, persistence, boundaries", "Exhaustion, suspicion"),
    ("The Ten of Wands carries too much. Burdens and duties pile up; success has become a "
     "weight.",
     "The load is set down at last: delegate, drop what is not yours to carry. Relief follows once you stop doing everything alone.",
     "Burden, responsibility, overload", "Letting go of burdens"),
    ("The Page of Wands brings good news and fresh enthusiasm. A young spirit eager to explore, "
     "learn and try something new.",
     "Enthusiasm without direction, or news that disappoints. Give the energy a goal.",
     "Enthusiasm, exploration, news", "Lack of direction, bad news"),
    ("The Knight of Wands charges ahead full of fire: adventure, travel, passion. Bold, "
     "charming and impatient.",
     "Haste and scattered energy; things started and left behind. Slow down.",
     "Adventure, energy, passion", "Haste, recklessness"),
    ("The Queen of Wands is warm, confident and determined. She draws people in and gets "
     "things done with courage and good humour.",
     "Jealousy or a demanding temper; confidence turned into control. Warmth wins more than force.",
     "Confidence, warmth, determination", "Jealousy, a demanding temper"),
    ("The King of Wands leads with vision. A bold entrepreneur who inspires others and turns "
     "ideas into enterprises.",
     "Impulsive and overbearing; expects too much of others. Lead, do not push.",
     "Vision, leadership, boldness", "Impulsiveness, arrogance"),
]

CUPS = [
    ("The Ace of Cups overflows: new love, a new friendship, an open heart. Feelings flow "
     "freely and give fresh life.",
     "Feelings are blocked or held back; the cup is turned over. Let yourself feel.",
     "New love, an open heart", "Blocked feelings, emptiness"),
    ("The Two of Cups is a meeting of hearts: partnership, attraction, mutual respect. Two "
     "people give and take in balance.",
     "An imbalance in a bond, a misunderstanding or a parting. Talk it through.",
     "Partnership, attraction, union", "Imbalance, parting"),
    ("The Three of Cups raises a toast: friendship, celebration and community. Good company "
     "and shared joy.",
     "Gossip, too much indulgence, or a friend who leaves the circle. Keep the party kind and the friendships true.",
     "Friendship, celebration", "Gossip, overindulgence"),
    ("The Four of Cups sits under a tree and ignores the cup offered. Boredom, apathy or "
     "brooding; something good is being missed.",
     "Interest returns; you look up and take the offer. The sulking is over and life tastes good again.",
     "Apathy, contemplation, a missed offer", "Renewed interest, seizing a chance"),
    ("The Five of Cups mourns the spilled cups and forgets the two still standing. Loss, "
     "regret and grief.",
     "Acceptance comes; you turn round and see what is left. Time to move on.",
     "Loss, grief, regret", "Acceptance, moving on"),
    ("The Six of Cups remembers: childhood, old friends, kindness and simple joys. The past "
     "brings a gift.",
     "Living in the past keeps you from the present. Keep the memory, leave the longing.",
     "Nostalgia, kindness, innocence", "Stuck in the past"),
    ("The Seven of Cups shows many cups full of dreams. Choices abound, but some are only "
     "illusions; wishful thinking clouds the view.",
     "Clarity returns and a real choice is made. The fog of wishes clears and one path stands out.",
     "Choices, illusions, daydreams", "Clarity, a decision"),
    ("The Eight of Cups walks away from what no longer fills the heart. Leaving the familiar "
     "to look for deeper meaning.",
     "Fear of leaving, or drifting without a goal. Know why you stay or go.",
     "Walking away, seeking meaning", "Fear of change, drifting"),
    ("The Nine of Cups is the wish card: contentment, pleasure, a wish come true. Enjoy what you have; you have earned it.",
     "Satisfaction turns smug, or the wish fulfilled does not bring the joy hoped for. Look beyond comfort for what truly satisfies.",
     "Wish fulfilled, contentment", "Smugness, dissatisfaction"),
    ("The Ten of Cups is happiness at home: a loving family, harmony and lasting emotional "
     "fulfilment under the rainbow. Love is shared and the home is a safe harbour.",
     "A family at odds or values that no longer match. Harmony needs care.",
     "Family happiness, harmony", "Discord at home"),
    ("The Page of Cups brings a message of the heart: an invitation, a creative idea, a "
     "gentle intuition. Be open to surprises.",
     "Emotional immaturity or a creative block; moods rule. Give the dream some discipline.",
     "A message of the heart, intuition", "Immaturity, moodiness"),
    ("The Knight of Cups arrives with an offer: romance, charm and ideals. Follow the heart, "
     "gracefully.",
     "Moodiness, unrealistic dreams or a promise that is not kept. Charm is not the same as commitment.",
     "Romance, an offer, idealism", "Unrealistic dreams, broken promises"),
    ("The Queen of Cups is compassion itself: intuitive, caring and calm in feeling. She "
     "listens and understands.",
     "Giving too much until nothing is left, or insecurity and dependence. Fill your own cup before you pour for others.",
     "Compassion, intuition, care", "Martyrdom, insecurity"),
    ("The King of Cups keeps his balance on the waves: emotional maturity, diplomacy and "
     "calm generosity. Feelings are felt fully but never take the reins.",
     "Feelings are used to manipulate, or moods swing. Steady the heart.",
     "Emotional balance, diplomacy", "Manipulation, moodiness"),
]

SWORDS = [
    ("The Ace of Swords cuts through: clarity, truth, a breakthrough of the mind. A clear "
     "decision can be made.",
     "Confusion, or the power of words used to wound. Think before you strike.",
     "Clarity, truth, breakthrough", "Confusion, misused power"),
    ("The Two of Swords sits blindfolded with crossed blades. A stalemate; a hard decision is "
     "avoided.",
     "The blindfold slips: the decision can no longer wait, or too much information "
     "confuses. Take off the blindfold and choose.",
     "Stalemate, a hard choice", "Indecision ending, overload"),
    ("The Three of Swords pierces the heart: sorrow, heartbreak, painful truth. Grief needs "
     "to be felt.",
     "Healing begins; the pain is released and forgiveness becomes possible. Let the tears do their work.",
     "Heartbreak, sorrow", "Healing, release"),
    ("The Four of Swords lies at rest. Recovery, retreat and quiet; gather strength before "
     "the next battle.",
     "Restlessness or burnout; the body asks for the rest it is not given. Stop before the body stops you.",
     "Rest, recovery, retreat", "Restlessness, burnout"),
    ("The Five of Swords wins the fight and loses friends. Conflict, hollow victory, "
     "dishonour.",
     "The quarrel ends; reconciliation is possible if pride is set aside. Winning is not everything; making peace may be worth more.",
     "Conflict, a hollow victory", "Reconciliation, moving on"),
    ("The Six of Swords crosses to calmer water. A move, a transition, leaving trouble "
     "behind.",
     "The journey is delayed, or old troubles come along in the boat. Settle what is unfinished before you cross.",
     "Transition, moving on", "Delay, unfinished business"),
    ("The Seven of Swords slips away with the blades. Deception, strategy, getting away with "
     "something; watch out, or watch yourself.",
     "A secret comes out, or the conscience speaks. Honesty now saves trouble later.",
     "Deception, strategy, stealth", "Confession, conscience"),
    ("The Eight of Swords stands bound among the blades, yet the way out is open. The prison "
     "is mostly in the mind.",
     "The bonds loosen; you see the way out and take it. You were freer than you believed.",
     "Restriction, feeling trapped", "Release, a new view"),
    ("The Nine of Swords wakes in the night. Worry, anxiety, fears that grow in the dark.",
     "The worst is over; speak of your fears and they shrink. Morning comes, and help with it.",
     "Anxiety, worry, sleepless nights", "Hope, reaching out"),
    ("The Ten of Swords lies at the bottom. A painful ending; it cannot get worse, and dawn "
     "is on the horizon.",
     "Recovery begins; you get up, slowly, and go on. The lesson stays, the pain fades.",
     "A painful ending, rock bottom", "Recovery, regeneration"),
    ("The Page of Swords is curious and alert: new ideas, questions, a sharp young mind. Watch, listen and learn before you act.",
     "Gossip, hasty words or spying. Think before you speak.",
     "Curiosity, vigilance, new ideas", "Gossip, hasty words"),
    ("The Knight of Swords charges into the wind: ambition, fast thinking, directness. He cuts straight to the point and will not be stopped.",
     "Reckless and tactless; the charge goes nowhere. Aim before you ride.",
     "Ambition, swift action, directness", "Recklessness, tactlessness"),
    ("The Queen of Swords sees clearly and speaks plainly. Independent, honest, wise from "
     "experience.",
     "Coldness or bitterness; clear sight turned into harsh words. Truth needs kindness to be heard.",
     "Clear thinking, honesty, independence", "Coldness, bitterness"),
    ("The King of Swords rules by reason and law. Fair judgement, intellectual authority, "
     "truth spoken with care.",
     "Power of the mind used to manipulate or to judge without mercy. Fairness has gone out of the argument.",
     "Reason, authority, fair judgement", "Manipulation, harshness"),
]

COINS = [
    ("The Ace of Coins offers a golden seed: a new job, money, a solid opportunity in the "
     "world. Plant it well.",
     "An opportunity slips away through poor planning or greed. Lay firmer ground before you try again.",
     "Opportunity, prosperity, a solid start", "A lost chance, poor planning"),
    ("The Two of Coins juggles and dances. Balancing work and money, adapting to change with "
     "a light touch.",
     "Too many balls in the air; something will drop. Put things in order.",
     "Balance, adaptability", "Overwhelm, disorder"),
    ("The Three of Coins builds together. Teamwork, craft and skill recognised; good work is "
     "done.",
     "The team does not pull together, or the work is careless. Agree on the plan and take pride in the craft.",
     "Teamwork, craftsmanship", "Poor cooperation, careless work"),
    ("The Four of Coins holds on tight. Saving, security and control; safe, but perhaps too "
     "tight.",
     "Greed, or the need to loosen the grip and let money flow again. Security that shuts everything out becomes a cage.",
     "Security, saving, control", "Greed, letting go"),
    ("The Five of Coins walks in the snow past a lighted window. Hardship, loss, feeling "
     "left out; help is nearer than it seems.",
     "Recovery from hardship; help is found and accepted. The door you passed was open after all.",
     "Hardship, loss, exclusion", "Recovery, help found"),
    ("The Six of Coins weighs and gives. Generosity, sharing, help given and received "
     "fairly.",
     "Gifts with strings attached, debts, or giving that is not returned. Look at who holds the power in the exchange.",
     "Generosity, sharing, fairness", "Debt, strings attached"),
    ("The Seven of Coins leans on the hoe and looks at the crop. Patience, long-term "
     "investment, taking stock.",
     "Impatience, or hard work that brings little return. Rethink the plan.",
     "Patience, investment, assessment", "Impatience, poor returns"),
    ("The Eight of Coins works at the bench. Diligence, learning a trade, skill growing with "
     "every piece.",
     "Perfectionism, or shortcuts that spoil the work. Good work needs care, not endless polishing.",
     "Diligence, skill, mastery", "Perfectionism, shortcuts"),
    ("The Nine of Coins walks in her own garden. Independence, comfort and well-earned "
     "luxury.",
     "Working too hard to enjoy it, or comfort that is only on the surface. Make time to enjoy the garden you built.",
     "Independence, comfort, self-reliance", "Overwork, superficiality"),
    ("The Ten of Coins is lasting wealth: family, inheritance, a home that stands for "
     "generations. What you build now will outlast you.",
     "Family quarrels over money, or a loss of security. Talk openly about what is shared before it divides you.",
     "Wealth, legacy, family", "Financial loss, family disputes"),
    ("The Page of Coins studies the coin in his hand. A student, a new skill, a practical "
     "plan with promise.",
     "Procrastination; the plan stays a plan. Begin with one small, practical step.",
     "Study, ambition, a new skill", "Procrastination, little progress"),
    ("The Knight of Coins ploughs on steadily. Hard work, routine, reliability; slow but "
     "sure.",
     "Boredom and stubbornness; the routine has become a rut. Change one habit and the work moves again.",
     "Hard work, reliability, routine", "Stubbornness, a rut"),
    ("The Queen of Coins makes a home prosper. Practical, nurturing, down to earth; she cares "
     "for body and purse.",
     "Work and home out of balance, or self-care forgotten. The home suffers when its keeper is worn out.",
     "Practicality, nurture, security", "Imbalance, neglected self-care"),
    ("The King of Coins sits among his riches. Business sense, wealth and stable leadership "
     "in the material world.",
     "Greed or rigid attachment to money and status. Wealth is a tool, not a master.",
     "Wealth, business, stability", "Greed, materialism"),
]

MINORS = WANDS + CUPS + SWORDS + COINS
